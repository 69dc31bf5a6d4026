// SPDX-License-Identifier: GPL-3.0-or-later
// The window kit: what a screen reader hears, the keyboard, and the
// read/save cycle of a settings file.
#include <QAccessible>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "app/main_window.h"
#include "core/settings_record.h"
#include "support/controls.h"
#include "support/fake_platform.h"
#include "support/typing.h"
#include "ui/controls.h"
#include "ui/date_field.h"
#include "ui/date_picker_window.h"
#include "ui/field_values.h"
#include "ui/key_filters.h"
#include "ui/settings_file.h"
#include "ui/slider_field.h"
#include "ui/tool_window.h"
#include "ui/window_registry.h"

using namespace tovimar;
using namespace tovimar::testing;

namespace {

QString spokenName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

QAccessible::Role spokenRole(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->role() : QAccessible::NoRole;
}

// A small tool window, as a later subsystem writes one.
class SampleWindow : public ToolWindow {
  public:
    explicit SampleWindow(WindowRegistry& windows)
        : ToolWindow(windows, "FormTest", QStringLiteral("Essai")) {
        auto* layout = new QVBoxLayout(this);
        first = lineEdit("First", QStringLiteral("Premier"));
        second = lineEdit("Second", QStringLiteral("Second"));
        result = resultLabel("LblResult", QStringLiteral("Résultat"));
        quit = button("CmdQuitter", QStringLiteral("&Quitter"));
        for (QWidget* w : std::initializer_list<QWidget*>{first, result, second, quit})
            layout->addWidget(w);
        connect(quit, &QPushButton::clicked, this, &QWidget::close);
        setReadingOrder({first, second, quit});
        setEscapeButton(quit);
        placeOnScreen();
    }
    QLineEdit *first, *second;
    QLabel* result;
    QPushButton* quit;
};

// The kit's key filters, as a user types "1a2.5/3" key by key; a paste is
// not filtered (it is read, and refused if need be, when computing).
TEST(WindowKit, KeyFiltersKeepWhatTheirFieldTakesAndTypeAFullStopAsAComma) {
    struct Case {
        const char* filter;
        void (*install)(QLineEdit*);
        const char* shown;
    };
    const Case cases[] = {
        {"chiffres", acceptDigitsOnly, "1253"},
        {"décimal", acceptDecimal, "12,53"},
        {"tout, point en virgule", typeFullStopAsComma, "1a2,5/3"},
        {"date", [](QLineEdit* f) { acceptDateCharacters(f, {}); }, "125/3"},
    };
    for (const Case& c : cases) {
        QLineEdit field;
        c.install(&field);
        typeText(&field, "1a2.5/3");
        EXPECT_EQ(field.text(), c.shown) << c.filter;
        field.clear();
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier); // passes to the field
        field.insert("4.5");
        EXPECT_EQ(field.text(), "4.5") << c.filter;
    }
}

// A slider fills its field when the user moves it (drag, keys), never when
// the program moves it, and typing in the field leaves the slider alone.
TEST(WindowKit, AFieldFollowsItsSliderOnlyWhenTheUserMovesIt) {
    QWidget window;
    auto* slider = new QScrollBar(Qt::Horizontal, &window);
    slider->setRange(0, 100);
    auto* field = new QLineEdit(&window);
    fillsField(slider, field, [](int tenths) { return QString::number(tenths / 10.0); });
    slider->setSliderPosition(35); // a drag
    EXPECT_EQ(field->text(), "3.5");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home); // the keyboard
    EXPECT_EQ(field->text(), "0");
    slider->setValue(80); // the program's own move
    EXPECT_EQ(field->text(), "0");
    field->setText("7");
    EXPECT_EQ(slider->value(), 80);
}

TEST(WindowKit, ButtonsAreReadWithoutTheirAccessKeyMarker) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Calcule", "Calcule"},
        {"E&nregistrer Quitter", "Enregistrer Quitter"},
        {"Tom && Jerry", "Tom & Jerry"},
        {" &Quitter ", "Quitter"},
        {"", ""}};
    for (const auto& [caption, spoken] : cases)
        EXPECT_EQ(spokenCaption(QString::fromUtf8(caption)), QString::fromUtf8(spoken)) << caption;
    std::unique_ptr<QPushButton> b(button("Cmd", QStringLiteral("&Calcule Congés")));
    EXPECT_EQ(b->objectName(), "Cmd");
    EXPECT_EQ(b->accessibleName(), "Calcule Congés");
}

TEST(WindowKit, AResultIsReadWithItsCaptionAndItsCurrentValue) {
    std::unique_ptr<QLabel> label(resultLabel("LblTerme", QStringLiteral("Terme")));
    EXPECT_EQ(spokenName(label.get()), "Terme");
    label->setText(QStringLiteral("29/02/2012"));
    EXPECT_EQ(spokenName(label.get()), "Terme : 29/02/2012");
    label->setText(QStringLiteral("entre le 13/08/2010\net le 10/09/2010"));
    EXPECT_EQ(spokenName(label.get()), "Terme : entre le 13/08/2010 et le 10/09/2010");
    label->clear();
    EXPECT_EQ(spokenName(label.get()), "Terme");
}

TEST(WindowKit, ToolWindowsAreWindowsTabFollowsReadingAndEscapeCloses) {
    FakePlatform fake;
    SampleWindow& w = fake.windows().open<SampleWindow>();
    EXPECT_EQ(w.objectName(), "FormTest");
    EXPECT_EQ(w.windowTitle(), "Essai");
    EXPECT_EQ(spokenRole(&w), QAccessible::Window);
    EXPECT_EQ(w.first->nextInFocusChain(), w.second);
    EXPECT_EQ(w.second->nextInFocusChain(), w.quit);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(fake.windows().existing<SampleWindow>(), nullptr);
}

TEST(WindowKit, AToolWindowThatGrowsStaysOnItsScreen) {
    FakePlatform fake;
    SampleWindow& w = fake.windows().open<SampleWindow>();
    const QRect screen = w.screen()->availableGeometry();
    // Moved near the bottom right corner, then grown by a panel of results.
    w.move(screen.right() - w.frameGeometry().width() - 5,
           screen.bottom() - w.frameGeometry().height() - 5);
    w.resize(w.width() + 200, w.height() + 150);
    EXPECT_TRUE(screen.contains(w.frameGeometry()))
        << w.frameGeometry().x() << "," << w.frameGeometry().y();
    // Larger than the screen: its top left corner stays in sight.
    w.resize(screen.width() + 100, screen.height() + 100);
    EXPECT_TRUE(screen.contains(w.frameGeometry().topLeft()));
}

struct Pair {
    std::vector<std::string> values;
    bool complete = false;
};
Pair readPair(std::string_view bytes) {
    const SettingsReading r = readSettingsRecord(bytes, 2);
    return {r.values, r.complete};
}
bool readsPair(std::string_view bytes) {
    return readPair(bytes).complete;
}

TEST(WindowKit, ASettingsFileIsReadWithItsOwnMessageAndSavedWhole) {
    FakePlatform fake;
    SettingsFile file(*fake.platform, QStringLiteral("paire.tvx"), QStringLiteral("Paire.tvx"));
    EXPECT_FALSE(file.read(readPair).complete);
    EXPECT_EQ(fake.messages.shown, QStringList({"Fichier Paire.tvx absent ou erronné."}));

    fake.messages.shown.clear();
    ASSERT_TRUE(file.save({"1", "deux"}, readsPair, {"", ""}));
    const Pair again = file.read(readPair);
    EXPECT_TRUE(again.complete);
    EXPECT_EQ(again.values, (std::vector<std::string>{"1", "deux"}));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST(WindowKit, ASaveThatCannotBeWrittenKeepsThePreviousFileAndSaysSo) {
    FakePlatform fake;
    SettingsFile file(*fake.platform, QStringLiteral("paire.tvx"), QStringLiteral("Paire.tvx"));
    ASSERT_TRUE(file.save({"1", "2"}, readsPair, {"", ""}));
    // Writes beyond a few bytes fail as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool saved = file.save({"une valeur longue", "et une autre"}, readsPair, {"", ""});
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(file.read(readPair).values, (std::vector<std::string>{"1", "2"}));
}

TEST(WindowKit, TheMainWindowsResultsAreReadWithTheirValues) {
    FakePlatform fake;
    fake.setToday("15/03/2010");
    MainWindow window(fake.windows());
    typeText(control<QLineEdit>(window, "DateDR"), "01/01/2010");
    EXPECT_EQ(spokenName(control<QLabel>(window, "LblCentDate")),
              "100% Sécu à partir du : 15/06/2010");
    EXPECT_EQ(spokenName(control<QLabel>(window, "LblAnesth")),
              "Consultation anesthésistes : entre le 13/08/2010 et le 10/09/2010");
    EXPECT_EQ(spokenName(control<QLabel>(window, "LblEcho1T")),
              "Echo 1T : 19/03/2010 --> 08/04/2010");
    EXPECT_TRUE(spokenName(control<QLabel>(window, "LblSaint")).startsWith("Saint du jour : "))
        << spokenName(control<QLabel>(window, "LblSaint")).toStdString();
    EXPECT_TRUE(spokenName(control<QLabel>(window, "Label11")).startsWith("Sens de la lune : "));
}

} // namespace

namespace {

// A window the links table follows: built hidden, renewed with the others.
class LinkedWindow : public ToolWindow {
  public:
    explicit LinkedWindow(WindowRegistry& windows)
        : ToolWindow(windows, "FormLinked", QStringLiteral("Essai lié")) {}
    int links = 0;
};

} // namespace

TEST(WindowKit, ALinkRunsOnAWindowBuiltLaterAndAgainAfterARenewal) {
    FakePlatform fake;
    WindowRegistry& windows = fake.windows();
    std::vector<LinkedWindow*> linked;
    windows.whenBuilt<LinkedWindow>([&linked](LinkedWindow& w) {
        ++w.links;
        linked.push_back(&w);
    });
    EXPECT_TRUE(linked.empty()); // nothing built yet
    LinkedWindow& first = windows.open<LinkedWindow>();
    ASSERT_EQ(linked.size(), 1u);
    EXPECT_EQ(linked[0], &first);
    EXPECT_EQ(first.links, 1);
    windows.get<LinkedWindow>(); // asking again links nothing twice
    EXPECT_EQ(first.links, 1);

    windows.renew({}); // shown, so built again in its place
    LinkedWindow* again = windows.existing<LinkedWindow>();
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(linked.size(), 2u);
    EXPECT_EQ(linked[1], again);
    EXPECT_EQ(again->links, 1);

    // A link made once the window exists reaches it at once.
    int late = 0;
    windows.whenBuilt<LinkedWindow>([&late](LinkedWindow&) { ++late; });
    EXPECT_EQ(late, 1);
}

TEST(WindowKit, ADoubleClickOnADateFieldOpensTheSharedCalendarOnItsDate) {
    FakePlatform fake;
    SampleWindow w(fake.windows());
    w.show();
    offerSharedCalendar(w.first, fake.windows(), QStringLiteral("Date d'essai"),
                        QStringLiteral("Calendrier d'essai"));
    typeText(w.first, QStringLiteral("29/02/2012"));
    QTest::mouseDClick(w.first, Qt::LeftButton);
    auto* picker = fake.windows().existing<DatePickerWindow>();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowTitle(), "Date d'essai");
    EXPECT_EQ(picker->calendar()->accessibleName(), "Calendrier d'essai");
    EXPECT_EQ(picker->calendar()->selectedDate(), QDate(2012, 2, 29));
    emit picker->calendar()->clicked(QDate(2013, 3, 1));
    EXPECT_EQ(w.first->text(), "01/03/2013");
    EXPECT_EQ(w.second->text(), ""); // only the field it was opened for
    // A double-click on a field without a calendar does not take the calendar.
    QTest::mouseDClick(w.second, Qt::LeftButton);
    EXPECT_EQ(picker->field(), w.first);
    EXPECT_EQ(picker->windowTitle(), "Date d'essai");
}

TEST(WindowKit, FieldsReadDatesAndFrenchNumbersAsEveryWindowDoes) {
    QLineEdit field;
    struct Case {
        const char* typed;
        std::optional<double> number;
        bool isDate;
    };
    for (const Case& c : std::initializer_list<Case>{{"12,5", 12.5, false},
                                                     {"12.5", 12.5, false},
                                                     {"abc", std::nullopt, false},
                                                     {"", std::nullopt, false},
                                                     {"29/02/2012", std::nullopt, true},
                                                     {"30/02/2012", std::nullopt, false}}) {
        field.setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(numberIn(&field), c.number) << c.typed;
        EXPECT_EQ(dateIn(&field).has_value(), c.isDate) << c.typed;
    }
    field.setText(QStringLiteral("29/02/2012"));
    EXPECT_EQ(shown(*dateIn(&field)), "29/02/2012");
}
