// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_document.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace tovimar {
namespace {

// An anchor that opens a section: the heading comes right after it.
const QRegularExpression kSectionStart(
    QString::fromUtf8(R"re(<a\s+name="([^"]+)"\s*>\s*</a>\s*<h([12])[^>]*>(.*?)</h\2>)re"),
    QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
const QRegularExpression kAnyAnchor(QString::fromUtf8(R"re(<a\s+name="([^"]+)")re"),
                                    QRegularExpression::CaseInsensitiveOption);

QString textOf(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().simplified();
}

} // namespace

QString foldForSearch(const QString& text) {
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        if (c == QChar(0x0153) || c == QChar(0x0152))
            folded += QStringLiteral("oe");
        else if (c == QChar(0x00E6) || c == QChar(0x00C6))
            folded += QStringLiteral("ae");
        else if (c == QChar(0x2019))
            folded += QLatin1Char('\'');
        else
            folded += c.toLower();
    }
    return folded.simplified();
}

QString accentInsensitivePattern(const QString& words) {
    static const QList<QPair<QChar, QString>> kClasses = {
        {'a', QStringLiteral("aàâäáãå")}, {'c', QStringLiteral("cç")},
        {'e', QStringLiteral("eéèêë")},   {'i', QStringLiteral("iîïíì")},
        {'o', QStringLiteral("oôöóò")},   {'u', QStringLiteral("uùûüú")},
        {'y', QStringLiteral("yÿý")},     {'n', QStringLiteral("nñ")},
    };
    QString pattern;
    const QString folded = foldForSearch(words);
    for (int i = 0; i < folded.size(); ++i) {
        const QChar c = folded.at(i);
        if (c == 'o' && i + 1 < folded.size() && folded.at(i + 1) == 'e') {
            pattern += QStringLiteral("(?:oe|œ)");
            ++i;
            continue;
        }
        if (c == ' ') {
            pattern += QStringLiteral("\\s+");
            continue;
        }
        if (c == '\'') {
            pattern += QStringLiteral("['’]");
            continue;
        }
        QString alternatives;
        for (const auto& [base, letters] : kClasses)
            if (base == c) alternatives = letters;
        pattern += alternatives.isEmpty()
                       ? QRegularExpression::escape(QString(c))
                       : QStringLiteral("[") + alternatives + QStringLiteral("]");
    }
    return pattern;
}

bool HelpDocument::parse(const QString& html) {
    sections_.clear();
    const int bodyStart = [&] {
        const QRegularExpression body(QStringLiteral("<body[^>]*>"),
                                      QRegularExpression::CaseInsensitiveOption);
        const auto m = body.match(html);
        return m.hasMatch() ? int(m.capturedEnd()) : 0;
    }();
    const QString head = html.left(bodyStart);
    const int bodyEnd = [&] {
        const int end = html.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
        return end < bodyStart ? int(html.size()) : end;
    }();

    struct Start {
        int position;
        QString anchor;
        QString title;
    };
    std::vector<Start> starts;
    for (auto it = kSectionStart.globalMatch(html, bodyStart); it.hasNext();) {
        const auto m = it.next();
        if (m.capturedStart() >= bodyEnd) break;
        starts.push_back({int(m.capturedStart()), m.captured(1), textOf(m.captured(3))});
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int end = i + 1 < starts.size() ? starts[i + 1].position : bodyEnd;
        const QString body = html.mid(starts[i].position, end - starts[i].position);
        HelpSection section;
        section.anchor = starts[i].anchor;
        section.title = starts[i].title;
        section.html = head + body + QStringLiteral("\n</body></html>\n");
        section.plainText = textOf(body);
        section.searchText = foldForSearch(section.plainText);
        for (auto a = kAnyAnchor.globalMatch(body); a.hasNext();)
            section.anchors.append(a.next().captured(1));
        sections_.push_back(std::move(section));
    }
    return !sections_.empty();
}

int HelpDocument::sectionOf(const QString& anchor) const {
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].anchors.contains(anchor)) return int(i);
    return -1;
}

std::vector<int> HelpDocument::search(const QString& words) const {
    std::vector<int> found;
    const QString wanted = foldForSearch(words);
    if (wanted.isEmpty()) return found;
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i].searchText.contains(wanted)) found.push_back(int(i));
    return found;
}

} // namespace tovimar
