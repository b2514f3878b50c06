// Every window as the keyboard and assistive technology reach it: each input is announced by
// its caption (or a name of its own), each access key reaches its control, and no two usable
// controls share one unless decided so. Also the designed heights, the lists' column widths
// and right-aligned numbers, and boxes as long as the record fields they fill.

#include <QApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTabWidget>

#include "about/frmabout.h"
#include "groups/frmcsoportok.h"
#include "gui/settings/setupwindow.h"
#include "log/frmnaplo.h"
#include "snapshots/snapshotchoice.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

// The controls a user types into or chooses from, without the parts Qt builds inside one (the
// line edit of a date picker, the popup list of a combo box).
QList<QWidget*> inputs(const QWidget* root) {
    auto isInput = [](const QWidget* w) {
        return w->inherits("QLineEdit") || w->inherits("QPlainTextEdit") ||
               w->inherits("QComboBox") || w->inherits("QAbstractSpinBox") ||
               w->inherits("QAbstractItemView");
    };
    QList<QWidget*> found;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        QWidget* outer = w->parentWidget();
        while (outer != root && !isInput(outer))
            outer = outer->parentWidget();
        if (isInput(w) && outer == root)
            found << w;
    }
    return found;
}

// The usable access keys of a window ("Alt+B") and what claims each: buttons, captions, and
// last the titles of the menu bar.
QMap<QString, QObjectList> claimedKeys(const QWidget* root) {
    QMap<QString, QObjectList> claims;
    auto claim = [&](const QKeySequence& key, QObject* owner) {
        if (!key.isEmpty())
            claims[key.toString()] << owner;
    };
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (b->isVisible() && b->isEnabled())
            claim(b->shortcut(), b);
    }
    for (QLabel* l : root->findChildren<QLabel*>()) {
        if (l->isVisible())
            claim(QKeySequence::mnemonic(l->text()), l);
    }
    if (auto* main = qobject_cast<const QMainWindow*>(root)) {
        for (QAction* title : main->menuBar()->actions())
            claim(QKeySequence::mnemonic(title->text()), title);
    }
    return claims;
}

// Alt and the key, in the active window with no menu open. (The offscreen platform may still
// hand the activation to a menu that has closed since.)
void press(QWidget* window, const QString& key) {
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keySequence(window, QKeySequence(key));
}

// Alt and the key: a caption moves the focus to its field; two buttons sharing the key take
// the focus in turn; a button is pressed, or a menu item chosen, every time, and a button keeps
// the key of a menu title (that menu opens on Alt tapped first); a menu opens, and each of its
// items is chosen by a letter of its own.
void checkAccessKey(QWidget* window, const QString& key, const QObjectList& owners,
                    const QStringList& clashes) {
    QObject* first = owners[0];
    auto* title = qobject_cast<QAction*>(owners.last());
    QMenu* menu = title ? title->menu() : nullptr;
    if (auto* label = qobject_cast<QLabel*>(first)) {
        press(window, key);
        QVERIFY2(label->buddy() && QApplication::focusWidget() == label->buddy(), qPrintable(key));
    } else if (owners.size() == 2 && !title) {
        QSet<QObject*> focused;
        for (int i = 0; i < 2; ++i) {
            press(window, key);
            focused << QApplication::focusWidget();
        }
        QCOMPARE(focused, QSet<QObject*>(owners.begin(), owners.end()));
    } else if (first != title || !menu) {
        QSignalSpy chosen(first, first == title ? SIGNAL(triggered(bool)) : SIGNAL(clicked(bool)));
        for (int presses = 1; presses <= owners.size(); ++presses) {
            press(window, key);
            QTRY_COMPARE(chosen.count(), presses);
        }
        QVERIFY(!QApplication::activePopupWidget());
    }
    const QList<QAction*> items = menu ? menu->actions() : QList<QAction*>();
    QStringList itemKeys;
    for (const QAction* item : items)
        itemKeys << QKeySequence::mnemonic(item->text()).toString();
    for (QAction* item : items) {
        if (item->isSeparator())
            continue;
        const QString itemKey = itemKeys[items.indexOf(item)];
        if (clashes.contains(item->objectName())) {
            QVERIFY2(itemKeys.count(itemKey) == 2, qPrintable(item->text()));
            continue;
        }
        QVERIFY2(!itemKey.isEmpty() && itemKeys.count(itemKey) == 1, qPrintable(item->text()));
        if (first == title) {
            press(window, key);
        } else {
            QKeyEvent altDown(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
            QKeyEvent altUp(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &altDown);
            QApplication::sendEvent(QApplication::focusWidget(), &altUp);  // to the menu bar
            QTest::keyClick(QApplication::focusWidget(), QKeySequence(key)[0].key());
        }
        QTRY_VERIFY(menu->isVisible());
        QSignalSpy triggered(item, &QAction::triggered);
        QTest::keyClick(menu, QKeySequence(itemKey)[0].key());
        QTRY_VERIFY2(triggered.count() == 1, qPrintable(item->objectName()));
    }
}

}  // namespace

class ControlTablesTest : public QObject {
    Q_OBJECT

    MainWindow main;
    SetupWindow setup;
    std::unique_ptr<groups::frmCsoportok> groupWindow;
    std::unique_ptr<about::frmAbout> aboutBox;
    std::unique_ptr<logwindow::frmNaplo> logWindow;
    std::unique_ptr<snapshots::SnapshotChoice> snapshotChoice;

    QWidget* window(const QString& name) const {
        return QHash<QString, QWidget*>{
            {"Velmar", main.window.get()},       {"frmSetup", setup.window.get()},
            {"frmCsoportok", groupWindow.get()}, {"frmAbout", aboutBox.get()},
            {"frmNaplo", logWindow.get()},       {"frmTeljesVisszaallitas", snapshotChoice.get()}}
            .value(name);
    }

private slots:
    // A row in the lists: a letter, a client, a group.
    void initTestCase() {
        main.files.writeLetters(2024, {letter(QDate(2024, 3, 1), true, 7, "Kovács Kft.")});
        setup.files.writeRecords<store::UgyfelRekord>(setup.files.programFile(u"Ugyfelek.dat"),
                                                      {{"Kovács Kft.", 12}});
        setup.files.writeRecords<store::CsoportRekord>(setup.files.programFile(u"Csoportok.dat"),
                                                       {{"Iktatás", "I"}});
        main.start();
        setup.open();
        groupWindow =
            std::make_unique<groups::frmCsoportok>(setup.test.platform, setup.files.paths());
        aboutBox = std::make_unique<about::frmAbout>(main.test.platform);
        logWindow = std::make_unique<logwindow::frmNaplo>(main.test.platform, main.files.paths());
        snapshotChoice = std::make_unique<snapshots::SnapshotChoice>(
            QList<backup::SnapshotInfo>{{"/m/1", QDateTime(QDate(2024, 3, 1), {}), 1, {}}}, "/m");
    }

    void layout() {
        QCOMPARE(main.window->height(), ui::twipsToPixels(11250));
        QCOMPARE(groupWindow->height(), ui::twipsToPixels(6825));
        // Nothing typed into a box is lost to the width of the record field it fills.
        QCOMPARE(QList({main.find<QLineEdit>("txtKitolKinek")->maxLength(),
                        main.find<QLineEdit>("txUgyintezo")->maxLength()}),
                 QList({store::LevelRekord::KitolKinekWidth, store::LevelRekord::UgyintezoWidth}));
        // Every list takes its columns' widths; a column of numbers is aligned right.
        for (const QWidget* root : {window("Velmar"), window("frmSetup"), window("frmCsoportok")}) {
            for (const ui::ReportView* view : root->findChildren<ui::ReportView*>()) {
                const ui::ListModel* m = view->listModel();
                for (int c = 0; c < m->columnCount(); ++c) {
                    QCOMPARE(view->header()->sectionSize(c),
                             ui::twipsToPixels(m->columns()[c].widthTwips));
                    bool numbers = m->rowCount() > 0, number = false;
                    for (int r = 0; r < m->rowCount(); ++r, numbers = numbers && number)
                        m->text(r, c).trimmed().toUInt(&number);
                    QVERIFY2(!numbers || m->columns()[c].rightAligned,
                             qPrintable(view->objectName() + ' ' + m->columns()[c].header));
                }
            }
        }
    }

    void windows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("sharedKeys");  // by decision, with what shares each
        // Menu items whose given captions share a key: the key moves between them and Enter
        // chooses, as in any menu.
        QTest::addColumn<QStringList>("clashes");
        // "&Bejövő" and "&Beállítások", "&Törlés" and "Men&tés": the button first
        // (ui::preferButtonAccessKeys); the two "&Tallóz" buttons of the program paths.
        // "&Mentés most" and "Teljes &mentés..." are both given with M.
        QTest::newRow("Velmar") << "Velmar"
                                << QStringList{"Alt+B: Option1_0 mnuSetup",
                                               "Alt+T: cmdTorles mnuMentes"}
                                << QStringList{"mnuMentMost", "mnuTeljesMentes"};
        QTest::newRow("frmSetup") << "frmSetup" << QStringList{"Alt+T: cmdTalloz cmdTalloz2"}
                                  << QStringList{};
        for (const char* name : {"frmCsoportok", "frmAbout", "frmNaplo", "frmTeljesVisszaallitas"})
            QTest::newRow(name) << QString(name) << QStringList{} << QStringList{};
    }

    // Assistive technology announces every input by its caption's text, without the "&" and
    // the closing colon, or by a name of its own.
    void inputsAreNamed_data() { windows_data(); }
    void inputsAreNamed() {
        QFETCH(QString, name);
        const QWidget* root = window(name);
        QHash<QWidget*, QLabel*> captions;
        for (QLabel* label : root->findChildren<QLabel*>())
            captions.insert(label->buddy(), label);
        for (QWidget* input : inputs(root)) {
            QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));
            if (QLabel* caption = captions.value(input)) {
                const QString text = caption->text().remove('&');
                QCOMPARE(input->accessibleName(), text.endsWith(':') ? text.chopped(1) : text);
            }
        }
    }

    void accessKeys_data() { windows_data(); }
    void accessKeys() {
        QFETCH(QString, name);
        QFETCH(QStringList, sharedKeys);
        QFETCH(QStringList, clashes);
        QWidget* root = window(name);
        // The windows' own handlers are cut off: here only where each key lands counts.
        for (QObject* o : root->findChildren<QObject*>())
            QObject::disconnect(o, nullptr, root, nullptr);
        root->show();
        if (auto* main = qobject_cast<QMainWindow*>(root)) {
            for (QAction* title : main->menuBar()->actions())
                QVERIFY2(!QKeySequence::mnemonic(title->text()).isEmpty(),
                         qPrintable(title->text()));
        }
        // The settings window shows its tabs in turn.
        auto* tabs = qobject_cast<QDialog*>(root) ? root->findChild<QTabWidget*>() : nullptr;
        for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
            if (tabs)
                tabs->setCurrentIndex(tab);
            for (auto [key, owners] : claimedKeys(root).asKeyValueRange()) {
                QString claim = key + ':';
                for (const QObject* o : owners)
                    claim += ' ' + o->objectName();
                QVERIFY2(owners.size() == 1 || sharedKeys.contains(claim), qPrintable(claim));
                checkAccessKey(root, key, owners, clashes);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        root->hide();
    }
};

QTEST_MAIN(ControlTablesTest)
#include "tst_control_tables.moc"
