#include "app/core/installed_translation.h"
#include "overview/class_overview_window.h"
#include "scores/core/score_vocabulary.h"
#include "support/test_app.h"

#include <QDir>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// The width a control has for its one line of text.
int textRoom(const QWidget* control) {
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button) return control->contentsRect().width();
    QStyleOptionButton option;
    option.initFrom(button);
    const bool radio = qobject_cast<const QRadioButton*>(button);
    return control->style()
        ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents,
                         &option, button)
        .width();
}

// Why a window of the screen does not fit in the language shown, or nothing.
QStringList misfits(const QWidget* window) {
    QStringList found;
    if (window->width() > 800 || window->height() > 600)
        found << u"%1 is %2x%3"_s.arg(window->objectName())
                     .arg(window->width())
                     .arg(window->height());
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        const auto* button = qobject_cast<const QAbstractButton*>(control);
        if ((!label && !button) || !control->isVisibleTo(window)) continue;
        const QString text = QString(label ? label->text() : button->text()).remove(u'&');
        const bool wraps = label && label->wordWrap();
        int widest = 0;
        for (const QString& part :
             text.split(wraps ? QRegularExpression(u"\\s"_s) : QRegularExpression(u"\n"_s)))
            widest = std::max(widest, control->fontMetrics().horizontalAdvance(part));
        if (widest > textRoom(control) ||
            (wraps && label->heightForWidth(label->width()) > label->height()))
            found << u"%1 cuts \"%2\""_s.arg(control->objectName(), text);
    }
    if (const auto* bar = window->findChild<QMenuBar*>();
        bar && !bar->actions().isEmpty() &&
        bar->actionGeometry(bar->actions().last()).right() >= bar->width())
        found << u"the menus of %1 overflow"_s.arg(window->objectName());
    return found;
}

}  // namespace

// Every screen in every shipped language, and in English: no window larger than
// 800 x 600, no text cut off.
class TestTranslatedScreens : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void screensFit_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << u"en"_s;
        for (const QString& file : QDir(u":/i18n"_s).entryList())
            QTest::newRow(qPrintable(file)) << file.section(u'_', 1).chopped(3);
    }
    void screensFit() {
        QFETCH(QString, language);
        const InstalledTranslation translation(language);
        TestApp app(u"Ann"_s);
        QStringList found;
        for (int id = int(ScreenId::MainMenu); id <= int(ScreenId::MultiplicationTable); ++id) {
            QWidget* screen = app.show(ScreenId(id));
            QVERIFY(QTest::qWaitForWindowExposed(screen));
            if (ScreenId(id) == ScreenId::Progress) {
                TestApp::click(screen, u"ShowFacts"_s);
                QWidget* facts = TestApp::control(screen, u"Facts"_s);
                QVERIFY(QTest::qWaitForWindowExposed(facts));
                found << misfits(facts);
            }
            found << misfits(screen);
        }
        // The teacher's program, with a row in each table.
        const ClassFigures figures{{{u"Ann"_s, 2, QDate(2026, 12, 4)}},
                                   {{categoryOf(PracticeKind::MultiplicationDivision),
                                     levelName(Level::SuperDifficult), 3, 15.5}},
                                   {}};
        ClassOverviewWindow overview(
            {*app.clock, *app.messages, *app.context.fileDialogs, *app.printer}, u"3B"_s,
            [&](const DayRange&, QDate) { return figures; });
        overview.showFigures();
        overview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&overview));
        found << misfits(&overview);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
        // Whatever the screens show, a sheet's level and category are stored in English.
        TestApp::click(app.show(ScreenId::FiveLevelDifficulty), u"Command4"_s);
        QWidget* practice = app.open(PracticeKind::AdditionSubtraction);
        TestApp::click(practice, u"Command1"_s);
        TestApp::click(practice, u"Command3"_s);
        const ScoreRecord stored = app.folder.records(u"Ann.mdb"_s).value(0);
        QCOMPARE(
            stored.level + u'|' + stored.category,
            levelName(Level::Difficult) + u'|' + categoryOf(PracticeKind::AdditionSubtraction));
    }
};

QTEST_MAIN(TestTranslatedScreens)
#include "test_translated_screens.moc"
