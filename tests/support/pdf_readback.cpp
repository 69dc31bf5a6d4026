// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/pdf_readback.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/report_destination.h"
#include "support/fake_platform.h"

namespace tovimar::testing {

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& file) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")});
}

QString pdfLayoutText(const QString& file) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                    file, QStringLiteral("-")});
}

std::vector<WordBox> pdfWords(const QString& file) {
    const QString html =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), file, QStringLiteral("-")});
    static const QRegularExpression pageOrWord(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                       R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<WordBox> words;
    int page = -1;
    for (auto it = pageOrWord.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page")))
            ++page;
        else
            words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                             m.captured(3).toDouble(), m.captured(4).toDouble(), page});
    }
    return words;
}

std::optional<WordBox> findWord(const std::vector<WordBox>& words, const QString& text) {
    for (const WordBox& word : words)
        if (word.text == text) return word;
    return std::nullopt;
}

PdfInfo pdfInfo(const QString& file) {
    PdfInfo info;
    const QString text = runTool(QStringLiteral("pdfinfo"), {file});
    if (text.isEmpty()) return info;
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+)$)"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression size(QStringLiteral(R"(^Page size:\s+([\d.]+) x ([\d.]+) pts)"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression title(QStringLiteral(R"(^Title:\s+(.*)$)"),
                                          QRegularExpression::MultilineOption);
    const auto p = pages.match(text);
    const auto s = size.match(text);
    if (!p.hasMatch() || !s.hasMatch()) return info;
    info.parsed = true;
    info.pages = p.captured(1).toInt();
    info.widthPoints = s.captured(1).toDouble();
    info.heightPoints = s.captured(2).toDouble();
    if (const auto t = title.match(text); t.hasMatch()) info.title = t.captured(1).trimmed();
    return info;
}

QStringList nonEmptyLines(const QString& layoutText) {
    QStringList out;
    for (const QString& line : layoutText.split(QLatin1Char('\n'))) {
        QString kept = line;
        kept.remove(QLatin1Char('\f'));
        // The fonts' ligatures (ﬁ) read back as their letters.
        kept = kept.normalized(QString::NormalizationForm_KC).simplified();
        if (!kept.isEmpty()) out << kept;
    }
    return out;
}

QString firstMissingInOrder(const QStringList& lines, const QStringList& expected) {
    qsizetype from = 0;
    for (const QString& wanted : expected) {
        const QString simple = wanted.normalized(QString::NormalizationForm_KC).simplified();
        qsizetype at = from;
        while (at < lines.size() && lines[at] != simple)
            ++at;
        if (at == lines.size()) return wanted;
        from = at + 1;
    }
    return QString();
}

PdfPrintout::PdfPrintout()
    : home_(std::make_unique<QTemporaryDir>()), out_(std::make_unique<QTemporaryDir>()) {
    savedHome_ = qgetenv("HOME");
    savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home_->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home_->filePath(QStringLiteral(".config")).toUtf8());
    memory_ = std::make_unique<QSettings>(home_->filePath(QStringLiteral("memoire.ini")),
                                          QSettings::IniFormat);
    PrinterDestination::Dialogs dialogs;
    dialogs.printersAvailable = [] { return false; };
    dialogs.chooseFolder = [this](const QString&) { return out_->path(); };
    dialogs.chooseFile = [this](const QString&) {
        return out_->filePath(QStringLiteral("page-%1.pdf").arg(++files_));
    };
    dialogs.choosePrinter = [](QPrinter&) { return false; };
    destination_ = std::make_unique<PrinterDestination>(*memory_, dialogs);
}

PdfPrintout::~PdfPrintout() {
    destination_.reset();
    memory_.reset();
    qputenv("HOME", savedHome_);
    if (savedConfig_.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfig_);
}

QString PdfPrintout::print(PrintMode mode, const QString& documentName,
                           const std::function<void(ReportPrinter&)>& compose) {
    const QDir folder(out_->path());
    const QStringList before = folder.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    RecordingMessages messages;
    const bool printed = printReport(*destination_, messages, mode, documentName, compose);
    shown << messages.shown;
    if (!printed) return QString();
    for (const QString& name : folder.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        if (!before.contains(name)) return folder.filePath(name);
    return QString();
}

} // namespace tovimar::testing
