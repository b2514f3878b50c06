#include "mainwindow/messages.h"

using namespace Qt::StringLiterals;

namespace reg {
namespace {

ui::Message errorBox(const QString& text) {
    return {u"HIBA"_s, text, ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Critical};
}

// A write that failed: what was not done, the file and the system's reason, and the advice.
ui::Message writeFailedBox(const QString& what, const QString& reason) {
    return errorBox(what + u"\r\n"_s + (reason.isEmpty() ? QString() : reason + u"\r\n"_s) +
                    u"Ellenőrízze, hogy az adatok mappája írható-e."_s);
}

}  // namespace

ui::Message refusalMessage(Refusal refusal, bool incoming) {
    switch (refusal) {
        case Refusal::Serial:
            return errorBox(u"A levél sorszáma (Szám:) csak egész szám lehet, legfeljebb 32767!"_s);
        case Refusal::ClientNumber:
            return errorBox(u"Az ügyfélszám csak egész szám lehet, legfeljebb 32767!"_s);
        case Refusal::CounterFull:
            break;
    }
    return errorBox(
        u"Elfogytak az év %1 sorszámai: a legnagyobb sorszám, a 32767 már ki van "
        u"adva.\r\nEbben az évben több %1 levél nem iktatható."_s.arg(incoming ? u"bejövő"_s
                                                                               : u"kimenő"_s));
}

ui::Message clientNumberTakenMessage() {
    return {u"FIGYELEM!"_s,
            u"A megadott ügyfélszám egy másik ügyfélhez tartozik!\r\nAdjon meg új ügyfélszámot."_s,
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}

ui::Message pastDateQuestion() {
    return {u"Figyelem!"_s, u"A dátum nem a mai dátum!\r\n\r\nMég is rögzíthető?"_s,
            ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Critical};
}

ui::Message noDirectionMessage() {
    return errorBox(u"Nincs kijelölve, hogy a levél bejövő vagy kimenő!"_s);
}

ui::Message recordingQuestion() {
    return {u" Rögzítés az adatállományban !"_s, u"Biztos JÓK az adatok ?\n\rMehet a rögzítés ?"_s,
            ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
}

ui::Message recordingFailedMessage(const QString& reason) {
    return writeFailedBox(
        u"A levelet nem sikerült az adatállományba írni, nem került rögzítésre!"_s, reason);
}

ui::Message counterFailedMessage(const QString& reason) {
    return writeFailedBox(u"A számláló új értékét nem sikerült menteni!"_s, reason);
}

ui::Message unstorableCharactersQuestion(const QStringList& characters, bool modifying) {
    QStringList quoted;
    for (const QString& c : characters)
        quoted << u"„"_s + c + u"”"_s;
    return {u"FIGYELEM!"_s,
            u"A következő karakterek nem tárolhatók az adatállományban, helyettük „?” "
            u"kerül a levélbe:\r\n"_s +
                quoted.join(u' ') + u"\r\n"_s +
                (modifying ? u"Biztos, hogy így módosítja a levelet?"_s
                           : u"Biztos, hogy így rögzíti a levelet?"_s),
            ui::Buttons::YesNo, ui::Answer::No, ui::Icon::Exclamation};
}

ui::Message modificationQuestion() {
    return {u" Módosítás az adatállományban !"_s,
            u"Biztos JÓK az adatok ?\n\rMehet a módosítás ?"_s, ui::Buttons::YesNo, ui::Answer::Yes,
            ui::Icon::Question};
}

ui::Message modificationFailedMessage(const QString& reason) {
    return writeFailedBox(u"A módosítást nem sikerült az adatállományba írni!"_s, reason);
}

ui::Message deletionQuestion(const store::LevelRekord& letter) {
    return {u" TÖRLÉS az adatállományból !"_s,
            u"Biztos T Ö R Ö L H E T Ő\n\ra(z)    "_s + store::registrationNumber(letter) +
                u"\n\riktatási számú tétel? "_s,
            ui::Buttons::YesNo, ui::Answer::Yes, ui::Icon::Question};
}

ui::Message deletionFailedMessage(const QString& reason) {
    return writeFailedBox(u"A levelet nem sikerült törölni az adatállományból!"_s, reason);
}

ui::Message letterChangedMessage() {
    return {u"FIGYELEM!"_s,
            u"A kijelölt levél időközben megváltozott vagy elmozdult az adatállományban!\r\n"
            u"A listák újra betöltődtek: válassza ki újra a levelet."_s,
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}

ui::Message otherYearNotice(const QString& letterYear, int pickerYear, const QString& action) {
    return {u"FIGYELEM!"_s,
            u"A kijelölt levél a %1. évi iktatásban szerepel, a Dátum viszont %2. évet mutat.\r\n"
            u"A %3 a %1. évi levelet érinti."_s.arg(letterYear)
                .arg(pickerYear)
                .arg(action),
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Exclamation};
}

ui::FileRequest documentRequest() {
    return {u"Megnyitás"_s,
            u"kép (*.jpg)|*.jpg|Dokumentum (*.doc;*.docx;*.PDF)|*.doc;*.docx;*.PDF"_s, 2,
            QString()};
}

ui::FileRequest scannedLetterRequest() {
    return {u"Megnyitás"_s, u"*.jpg;*.PDF"_s, 2, u"*.jpg;*.PDF"_s};
}

ui::Message invalidYearMessage() {
    return {u"Keresés..."_s,
            u"A megadott keresési dátum nem érvényes évszámot mutat.\r\nEllenőrízd!"_s,
            ui::Buttons::Ok, ui::Answer::Ok, ui::Icon::Information};
}

}  // namespace reg
