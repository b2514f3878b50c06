// The main window's start-up, its letter lists, selecting a row, and which field and year each
// search button reads (the criteria: tst_search.cpp).

#include <QCheckBox>
#include <QDialog>
#include <QTabBar>
#include <QTabWidget>

#include "support/mainwindow.h"
#include "ui/widgets.h"

using namespace testing;

namespace {

const QDate kToday(2024, 6, 14);
// The answer to a search, or a selection, in a year without folder.
const ui::Message kNoYear{"Keresés...",
                          "A megadott keresési dátum nem érvényes évszámot mutat.\r\nEllenőrízd!",
                          ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information};

// Incoming 10, outgoing 5, incoming 1, outgoing 1, incoming 2, in that file order.
std::vector<store::LevelRekord> mixedYear() {
    auto in = [](qint16 n, const char* who) { return letter(QDate(2024, 3, n), true, n, who); };
    auto out = [](qint16 n, const char* who) { return letter(QDate(2024, 4, n), false, n, who); };
    return {in(10, "Tíz Bt."), out(5, "Öt Kft."), in(1, "Egy Zrt."), out(1, "Első Kft."),
            in(2, "Kettő Bt.")};
}

void clickRow(QWidget* window, const QString& list, int row) {
    auto* view = control<ui::ReportView>(window, list);
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// 1: incoming 10, 2: outgoing 5 (today), 3: incoming 2, 4: incoming without serial (today).
void startOnTestYear(MainWindow& w) {
    auto make = [](QDate date, bool in, qint16 serial, const char* who, qint16 client,
                   const char* subject, const char* handler, const char* group) {
        store::LevelRekord r = letter(date, in, serial, who);
        r.Ugyfelszam = client;
        r.LevelTargya = subject;
        r.Ugyintezo = handler;
        r.CsoportJel = group;
        return r;
    };
    w.files.writeLetters(
        2024,
        {make(QDate(2024, 3, 5), true, 10, "Kovács Kft.", 12, "Éves számla", "Kiss Anna", "A"),
         make(kToday, false, 5, "Szabó Bt.", 1041, "Meghívó", "Nagy Péter", "AB"),
         make(QDate(2024, 3, 20), true, 2, "Rákos Bt.", 12, "Számla", "Kiss Anna", ""),
         make(kToday, true, store::kBlankSerial, "Kovács Kft.", 12, "számla", "Anna", "A")});
    w.start();
    w.find<QDateTimeEdit>("DTPicker1")->setDateTime(ui::plainDateTime(kToday));
}

// The colour most of a control's painted pixels have (its background), and how well the
// caption reads: the largest lightness change between the control shown with and without it.
QColor background(QWidget* control) {
    const QImage image = control->grab().toImage();
    QHash<QRgb, int> counts;
    for (int i = 0; i < image.width() * image.height(); ++i)
        ++counts[image.pixel(i % image.width(), i / image.width())];
    return QColor(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
}
float captionContrast(QWidget* control, const std::function<void(bool)>& show) {
    show(false);
    const QImage bare = control->grab().toImage();
    show(true);
    const QImage shown = control->grab().toImage();
    float contrast = 0;
    for (int i = 0; i < shown.width() * shown.height(); ++i) {
        const QPoint at(i % shown.width(), i / shown.width());
        contrast = std::max(contrast, std::abs(QColor(shown.pixel(at)).lightnessF() -
                                               QColor(bare.pixel(at)).lightnessF()));
    }
    return contrast;
}

bool enabled(const MainWindow& w, const QString& name) {
    return w.find<QWidget>(name)->isEnabled();
}

bool checked(const MainWindow& w, const QString& name) {
    return w.find<QAbstractButton>(name)->isChecked();
}

}  // namespace

class VelmarListsTest : public QObject {
    Q_OBJECT

private slots:
    void startOnEmptyFolder() {
        MainWindow w;
        w.start();
        for (const char16_t* name : {u"Setup.dat", u"Csoportok.dat"})
            QVERIFY(TempRegister::exists(w.files.programFile(name)) &&
                    w.files.readProgram(name).isEmpty());
        QVERIFY(!TempRegister::exists(w.files.yearFile(2024, u"")));

        QCOMPARE(w.window->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(w.find<QWidget>("ListView1")->palette().color(QPalette::Base), QColor(Qt::black));
        for (const char* name : {"Option1_0", "Option1_1"})
            QVERIFY(enabled(w, name) && !checked(w, name));
        QVERIFY(!enabled(w, "cmdModosit") && !enabled(w, "cmdTorles"));
        QCOMPARE(rowCount(w.window.get(), "ListView1"), 0);
        QCOMPARE(w.find<QDateTimeEdit>("DTPicker1")->date(), kToday);
    }

    // A dark window colour, stored or chosen in the settings window, is what the frames,
    // captions, option buttons and check boxes paint, and their captions can be read on it.
    void windowColourIsPainted() {
        const QColor dark(0x1c, 0x2a, 0x4a);
        for (bool chosen : {false, true}) {
            MainWindow w;
            store::SetupRekord setup;
            setup.AblakSzin = chosen ? 0x00C0DCC0 : 0x004A2A1C;
            w.files.writeSetup(setup);
            w.start();
            if (chosen) {
                w.test.dialogs.answerColor(dark);
                w.test.dialogs.onModal(
                    [](QDialog& d) { control<QPushButton>(&d, "cmdListSzin")->click(); });
                w.trigger("mnuSetup");
            }
            w.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
            const auto controls = w.window->findChildren<QWidget*>(QRegularExpression(
                "^(Frame[12]|Label2|lbJel|lbHossz|Option1_[01]|chk(Melleklet|Rogzit)Kerdes|"
                "Label1_[0-8])$"));
            QCOMPARE(controls.size(), 18);
            for (QWidget* control : controls) {
                const QString name = control->objectName();
                const QColor shown = background(control);  // a frame's panel is a shade darker
                QVERIFY2(std::abs(shown.lightness() - dark.lightness()) <= 4 &&
                             std::abs(shown.hue() - dark.hue()) <= 4,
                         qPrintable(name + " " + shown.name()));
                const char* caption = name.startsWith("Frame") ? "title" : "text";
                const QString text = control->property(caption).toString();
                auto show = [&](bool on) { control->setProperty(caption, on ? text : QString()); };
                QVERIFY2(text.isEmpty() || captionContrast(control, show) > 0.5,
                         qPrintable(name + " cannot be read"));
            }
            // The list tabs keep their own light shapes and captions that read on them.
            auto* tabs = w.find<QTabWidget>("SSTab1")->tabBar();
            QVERIFY(captionContrast(tabs, [&](bool on) {
                        tabs->setTabTextColor(0, on ? QColor() : QColor(Qt::transparent));
                    }) > 0.5);
        }
    }

    // Ascending and descending (Rendezes 0 and 1): the incoming and outgoing serials of the
    // all-letters list and its selected row; the other two lists are ascending either way.
    void listOrderAfterReload() {
        const std::tuple<QStringList, QStringList, int> orders[] = {
            {{"   1", "   2", "  10", " ", " "}, {" ", " ", " ", "   1", "   5"}, 4},
            {{" ", " ", "  10", "   2", "   1"}, {"   5", "   1", " ", " ", " "}, 0}};
        for (qint16 rendezes : {0, 1}) {
            const auto& [allIncoming, allOutgoing, selectedAllRow] = orders[rendezes];
            MainWindow w;
            store::SetupRekord setup;
            setup.Rendezes = rendezes;
            w.files.writeSetup(setup);
            w.files.writeLetters(2024, mixedYear());
            w.start();
            const QObject* root = w.window.get();
            QCOMPARE(column(root, "ListView4", 2), (QStringList{"   1", "   2", "  10"}));
            QCOMPARE(column(root, "ListView5", 2), (QStringList{"   1", "   5"}));
            QCOMPARE(column(root, "ListView1", 2), allIncoming);
            QCOMPARE(column(root, "ListView1", 5), allOutgoing);
            QCOMPARE(selectedRow(root, "ListView4"), 2);
            QCOMPARE(selectedRow(root, "ListView5"), 1);
            QCOMPARE(selectedRow(root, "ListView1"), selectedAllRow);
            // The entry fields show the selected row of ListView1: outgoing number 5.
            QCOMPARE(w.text("txtKitolKinek") + w.text("txtSorszam2"), "Öt Kft.5");
        }
    }

    void cellsOfIncomingAndOutgoingRows() {
        MainWindow w;
        auto in = letter(QDate(2024, 3, 5), true, 7, "  Ház Kft.  ");
        in.Elotag = "AB/";
        in.Ugyfelszam = 1001;
        in.Num = 7;
        in.LevelTargya = "Tárgy";
        in.Ugyintezo = "Kiss Anna";
        auto out = letter(QDate(2024, 3, 6), false, 1234, "Vár Bt.");
        w.files.writeLetters(2024, {in, out});
        w.start();
        const QObject* root = w.window.get();
        QStringList shownIn, shownOut;
        for (int c = 0; c < 14; ++c) {
            shownIn << cell(root, "ListView1", 0, c);
            shownOut << cell(root, "ListView1", 1, c);
        }
        QCOMPARE(shownIn,
                 (QStringList{"2024.03.05.", "AB/ ", "   7", "/2024", " ", " ", "-", "Ház Kft.",
                              "1001", "Tárgy", "Kiss Anna", "    1", "7", " "}));
        QCOMPARE(shownOut, (QStringList{"2024.03.06.", " ", " ", "-", "K/  ", "1234", "/2024",
                                        "Vár Bt.", "0", "", "", "    2", " ", "0"}));
        QCOMPARE(cell(root, "ListView4", 0, 3), "/2024");
        QCOMPARE(cell(root, "ListView5", 0, 8), "    2");
    }

    // A blank serial shows as " " in the list, and leaves the serial box empty, when the
    // picker (today at midnight) is before the clock: at 10:30, but not at midnight itself.
    void blankSerial() {
        for (const auto& [now, shown, serialBox] :
             {std::tuple{QTime(10, 30), " ", ""}, std::tuple{QTime(0, 0), "8224", "8224"}}) {
            MainWindow w;
            w.test.clock.value = QDateTime(kToday, now);
            w.files.writeLetters(2024, {letter(kToday, true, store::kBlankSerial, "Régi")});
            w.start();
            QCOMPARE(cell(w.window.get(), "ListView4", 0, 2), shown);
            QCOMPARE(w.text("txtSorszam2"), serialBox);
        }
    }

    // A click fills the entry fields; a double click opens the letter's stored document; the
    // picker's year must have a folder.
    void selectingARow() {
        MainWindow w;
        w.files.writeRecords<store::CsoportRekord>(w.files.programFile(u"Csoportok.dat"),
                                                   {{"Pénzügy", "P"}, {"Adó", "A"}});
        auto first = letter(QDate(2024, 2, 1), true, 3, "  Ország Kft. ");
        first.Elotag = "AB/";
        first.CsoportJel = "A";
        first.LevelTargya = " Kérelem\r\nmásodik sor ";
        first.Ugyfelszam = 1042;
        first.Ugyintezo = "Nagy Éva";
        first.Melleklet = "scan1.pdf";
        w.files.writeLetters(2024, {first, letter(QDate(2024, 5, 2), false, 9, "Más")});
        w.files.writeRecords(w.files.yearFile(2024, u"KiIrat.dat"),
                             std::vector<store::IratRekord>{
                                 {"\"valasz 12.doc\"", "\"/home/iroda/Levelek/valasz 12.doc\""}});
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));

        clickRow(w.window.get(), "ListView1", 0);
        QCOMPARE(w.window->state().selection->id.record, 1);
        QCOMPARE(w.find<QDateTimeEdit>("DTPicker1")->date(), QDate(2024, 2, 1));
        QStringList shown;
        for (const char* name :
             {"txtKitolKinek", "txtLevelTargya", "txtSorszam1", "txtSorszam2", "txtSorszam",
              "txtUgyfelszam", "txUgyintezo", "cmbCsoportok", "lbJel"})
            shown << w.text(name);
        QCOMPARE(shown, (QStringList{"Ország Kft.", "Kérelem\nmásodik sor", "AB/", "3", "/2024",
                                     "1042", "Nagy Éva", "Adó", "A "}));
        QCOMPARE(w.window->state().documents.melleklet, "scan1.pdf");
        QVERIFY(checked(w, "Option1_0"));
        QVERIFY(enabled(w, "cmdModosit") && enabled(w, "cmdTorles"));

        // Letter 2 has no document record: nothing opens.
        auto* view = w.find<ui::ReportView>("ListView1");
        view->selectRow(1);
        emit view->itemDoubleClicked(1);
        QVERIFY(w.test.shell.documents.isEmpty());
        view->selectRow(0);
        emit view->itemDoubleClicked(0);
        QCOMPARE(w.test.shell.documents, QStringList{"/home/iroda/Levelek/valasz 12.doc"});
        QCOMPARE(w.window->state().documents.iratNev, "\"valasz 12.doc\"");
        // A document that does not open is reported, and the settings window opens for the
        // program paths.
        w.test.shell.succeed = false;
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.test.dialogs.onModal([](QDialog&) {});
        emit view->itemDoubleClicked(0);
        QCOMPARE(w.test.dialogs.messages.value(0).title, "HIBA");
        QCOMPARE(w.test.dialogs.modalWindows, QStringList{"frmSetup"});

        // The picker on a year without folder: the row still names its own letter, and no
        // folder is created. A row whose year folder has gone is reported.
        w.find<QDateTimeEdit>("DTPicker1")->setDate(QDate(2013, 1, 2));
        view->selectRow(1);
        QCOMPARE(w.text("txtKitolKinek"), "Más");
        QVERIFY(!TempRegister::exists(w.files.yearFile(2013, u"")));
        QVERIFY(QDir(w.files.yearFile(2024, u"")).removeRecursively());
        w.test.dialogs.answerMessage(ui::Answer::Ok);
        view->selectRow(0);
        QCOMPARE(w.test.dialogs.messages.value(1), kNoYear);
    }

    // Only the user's click or keyboard move in the focused list selects a letter: switching
    // tabs with the mouse, giving a list the focus, sorting and refilling select nothing.
    void onlyTheUserSelects() {
        MainWindow w;
        w.files.writeLetters(2024, {letter(QDate(2024, 2, 1), true, 1, "Első"),
                                    letter(QDate(2024, 2, 2), false, 1, "Kimenő"),
                                    letter(QDate(2024, 2, 3), true, 2, "Harmadik")});
        w.start();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.click("Command1_6");  // "Teljes lista" refills the lists without selecting
        clickRow(w.window.get(), "ListView1", 1);
        QCOMPARE(w.text("txtKitolKinek"), "Kimenő");
        const auto chosen = w.window->state().selection->id;

        auto* tabs = w.find<QTabWidget>("SSTab1");
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
        QCOMPARE(tabs->currentIndex(), 1);
        auto* incoming = w.find<ui::ReportView>("ListView4");
        incoming->setFocus(Qt::TabFocusReason);
        emit incoming->headerClicked(4);
        emit w.find<ui::ReportView>("ListView1")->headerClicked(7);
        QCOMPARE(w.text("txtKitolKinek"), "Kimenő");
        QCOMPARE(w.window->state().selection->id, chosen);

        // The keyboard in the focused list does select.
        QTest::keyClick(incoming, Qt::Key_End);
        QCOMPARE(w.text("txtKitolKinek"), incoming->model()->index(1, 4).data().toString());
    }

    // "Minden évben": a search over every year, the newest last; each row keeps its own
    // year, so deleting the 2023 letter while the picker shows 2024 removes it from 2023, and
    // the user is told so first.
    void searchInEveryYear() {
        MainWindow w;
        w.files.writeLetters(2023, {letter(QDate(2023, 5, 2), true, 1, "Kovács Kft."),
                                    letter(QDate(2023, 5, 3), true, 2, "Más")});
        w.files.writeLetters(2024, {letter(QDate(2024, 3, 1), true, 1, "Kovács Kft.")});
        w.start();
        w.find<QCheckBox>("chkMindenEv")->setChecked(true);
        w.setText("txtKitolKinek", "kovács");
        w.click("Command1_2");
        QCOMPARE(column(w.window.get(), "ListView1", 0),
                 (QStringList{"2023.05.02.", "2024.03.01."}));
        w.find<ui::ReportView>("ListView1")->selectRow(0);
        w.find<QDateTimeEdit>("DTPicker1")->setDate(QDate(2024, 6, 14));
        w.test.dialogs.answerMessage(ui::Answer::Ok);   // the other year's notice
        w.test.dialogs.answerMessage(ui::Answer::Yes);  // the deletion question
        w.click("cmdTorles");
        QCOMPARE(w.test.dialogs.messages.value(0),
                 (ui::Message{"FIGYELEM!",
                              "A kijelölt levél a 2023. évi iktatásban szerepel, a Dátum viszont "
                              "2024. évet mutat.\r\nA törlés a 2023. évi levelet érinti.",
                              ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation}));
        QVERIFY(w.test.dialogs.messages.value(1).text.contains(u"B/1/2023"));
        QCOMPARE(w.files.readYear(2023, u"Velmar.dat"),
                 letter(QDate(2023, 5, 3), true, 2, "Más").toBytes());
        QCOMPARE(w.files.readYear(2024, u"Velmar.dat").size(), store::LevelRekord::Size);
    }

    void eachButtonReadsItsField_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("records");
        QTest::addColumn<bool>("reported");  // "Keresés...": the year typed has no folder
        auto row = [](const char* name, const char* field, int button, const char* text,
                      QList<int> records, bool reported = false) {
            QTest::newRow(name) << QString(field) << button << QString(text) << records << reported;
        };
        row("date typed", "txtDatum", 0, "2024.03", {1, 3});
        row("date of the picker", "txtDatum", 0, " ", {2});
        row("serial", "txtSorszam2", 1, "1", {1});
        row("correspondent", "txtKitolKinek", 2, "kov", {1});
        row("client number", "txtUgyfelszam", 3, "12", {1, 3, 4});
        row("subject", "txtLevelTargya", 4, "SZÁMLA", {1, 3});
        row("group", "lbJel", 5, "A", {1});
        row("everything", "txtDatum", 6, "", {1, 2, 3});
        row("handler", "txUgyintezo", 7, "anna", {1, 3});
        // The year typed names the folder searched; without one the lists keep what the
        // start-up filled in.
        row("12.10 names the folder 12.1", "txtDatum", 6, "12.10", {4, 3, 1, 2}, true);
        row("outside the register", "txtDatum", 6, "../2", {4, 3, 1, 2}, true);
    }
    void eachButtonReadsItsField() {
        QFETCH(QString, field);
        QFETCH(int, button);
        QFETCH(QString, text);
        QFETCH(QList<int>, records);
        QFETCH(bool, reported);
        MainWindow w;
        w.files.makeYear(2012);
        startOnTestYear(w);
        w.setText(field, text);
        if (reported)
            w.test.dialogs.answerMessage(ui::Answer::Ok);
        w.click(QStringLiteral("Command1_%1").arg(button));
        QList<int> shown;  // the letters ListView1 shows, top to bottom
        for (const QString& rec : column(w.window.get(), "ListView1", 11))
            shown << rec.toInt();
        QCOMPARE(shown, records);
        QCOMPARE(w.test.dialogs.messages, reported ? QList{kNoYear} : QList<ui::Message>{});
        if (reported)
            QCOMPARE(cell(w.window.get(), "ListView4", 1, 2), "   2");  // padded as reloaded
    }
};

QTEST_MAIN(VelmarListsTest)
#include "tst_velmar_lists.moc"
