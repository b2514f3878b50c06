#include "tools/demoregister.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "store/oledate.h"

namespace testing {
namespace {

const QStringList kCompanies = {
    QStringLiteral("Kovács és Társa Kft."),
    QStringLiteral("Szabó Építőipari Bt."),
    QStringLiteral("Nagy Könyvelőiroda"),
    QStringLiteral("Tóth Gépészet Zrt."),
    QStringLiteral("Horváth Ügyvédi Iroda"),
    QStringLiteral("Varga Fuvarozó Kft."),
    QStringLiteral("Kiss Építész Stúdió"),
    QStringLiteral("Molnár Pékség Bt."),
    QStringLiteral("Németh Informatika Kft."),
    QStringLiteral("Farkas Erdészet"),
    QStringLiteral("Balogh Villamossági Kft."),
    QStringLiteral("Papp Kertészet"),
    QStringLiteral("Takács Nyomda Zrt."),
    QStringLiteral("Juhász Tejüzem Kft."),
    QStringLiteral("Lakatos Műhely Bt."),
    QStringLiteral("Mészáros Hús Kft."),
    QStringLiteral("Oláh Szállítmányozás"),
    QStringLiteral("Simon Gyógyszertár"),
    QStringLiteral("Rácz Ingatlan Kft."),
    QStringLiteral("Fekete Vízművek Zrt."),
    QStringLiteral("Szilágyi Orvosi Rendelő"),
    QStringLiteral("Török Autószerviz"),
    QStringLiteral("Fehér Takarítás Bt."),
    QStringLiteral("Balázs Könyvesbolt"),
    QStringLiteral("Gál Mezőgazdasági Kft."),
    QStringLiteral("Kis Óvoda Alapítvány"),
    QStringLiteral("Pintér Festékbolt"),
    QStringLiteral("Szűcs Bőrdíszmű Bt."),
    QStringLiteral("Fodor Fogászat"),
    QStringLiteral("Sárközi Zenekar Egyesület"),
    QStringLiteral("Megyei Kormányhivatal"),
    QStringLiteral("Nemzeti Adó- és Vámhivatal"),
    QStringLiteral("Városi Önkormányzat"),
    QStringLiteral("Járási Földhivatal"),
    QStringLiteral("Országos Nyugdíjfolyósító"),
    QStringLiteral("Magyar Posta Zrt."),
};

const QStringList kSubjects = {
    QStringLiteral("Árajánlat kérése"),
    QStringLiteral("Számla megküldése"),
    QStringLiteral("Szerződés módosítása"),
    QStringLiteral("Hiánypótlási felhívás"),
    QStringLiteral("Fizetési felszólítás"),
    QStringLiteral("Éves beszámoló"),
    QStringLiteral("Meghívó a közgyűlésre"),
    QStringLiteral("Engedély kérelem"),
    QStringLiteral("Adategyeztetés"),
    QStringLiteral("Panasz kivizsgálása"),
    QStringLiteral("Tájékoztatás ügyintézésről"),
    QStringLiteral("Határidő hosszabbítás"),
    QStringLiteral("Megrendelés visszaigazolása"),
    QStringLiteral("Teljesítésigazolás"),
    QStringLiteral("Bérleti díj emelése"),
    QStringLiteral("Ellenőrzési jegyzőkönyv"),
    QStringLiteral("Pályázati dokumentáció"),
    QStringLiteral("Közbeszerzési értesítő"),
    QStringLiteral("Munkaügyi megkeresés"),
    QStringLiteral("Válasz a megkeresésre"),
};

const QStringList kSubjectTails = {
    QString(),
    QStringLiteral(" (ismételt)"),
    QStringLiteral(" - sürgős"),
    QStringLiteral(" a 2. negyedévre"),
    QStringLiteral(", mellékletekkel"),
};

}  // namespace

std::vector<store::CsoportRekord> demoGroups() {
    return {{QStringLiteral("Pénzügy"), QStringLiteral("P")},
            {QStringLiteral("Adóügy"), QStringLiteral("A")},
            {QStringLiteral("Építésügy"), QStringLiteral("E")},
            {QStringLiteral("Személyügy"), QStringLiteral("SZ")},
            {QStringLiteral("Titkárság"), QStringLiteral("T")}};
}

std::vector<store::UgyfelRekord> demoClients(int count, quint32 seed) {
    QRandomGenerator random(seed);
    std::vector<store::UgyfelRekord> clients;
    for (int i = 0; i < count; ++i) {
        QString name = kCompanies[i % kCompanies.size()];
        if (i >= kCompanies.size())
            name += QStringLiteral(" %1").arg(i / kCompanies.size() + 1);
        clients.push_back({name, qint32(1000 + i)});
    }
    // Clients were added over the years in no particular order.
    for (size_t i = clients.size(); i > 1; --i)
        std::swap(clients[i - 1], clients[random.bounded(quint32(i))]);
    return clients;
}

std::vector<store::UgyintezoRekord> demoHandlers() {
    return {{QStringLiteral("Kiss Anna")},  {QStringLiteral("Nagy Péter")},
            {QStringLiteral("Szabó Éva")},  {QStringLiteral("Tóth Gergő")},
            {QStringLiteral("Őri Zsófia")}, {QStringLiteral("Varga Ödön")}};
}

DemoYear demoYear(const DemoOptions& options) {
    QRandomGenerator random(options.seed);
    const auto groups = demoGroups();
    const auto clients = demoClients(options.clients, options.seed);
    const auto handlers = demoHandlers();
    const QDate first(options.year, 1, 2);
    const QDate last = options.lastDay.isValid() ? options.lastDay : QDate(options.year, 12, 14);
    const qint64 span = std::max<qint64>(1, first.daysTo(last));

    DemoYear year;
    year.letters.reserve(size_t(options.letters));
    for (int i = 0; i < options.letters; ++i) {
        const bool incoming = random.bounded(100) < 55;
        qint16& counter = incoming ? year.counters.BeNum : year.counters.KiNum;
        if (counter == 32767)
            continue;
        ++counter;
        const QDate day = first.addDays(span * i / std::max(1, options.letters));
        const bool grouped = random.bounded(100) < 40;
        const auto& group = groups[random.bounded(quint32(groups.size()))];
        const auto& client = clients[random.bounded(quint32(clients.size()))];

        store::LevelRekord r;
        r.Datum = store::oleFromDate(day);
        r.Bejovo = store::flag(incoming);
        r.Evszam = u'/' + QString::number(options.year);
        r.CsoportJel = grouped ? group.Betujel : QString();
        r.Elotag = r.CsoportJel + (incoming ? QStringLiteral("B/") : QStringLiteral("K/"));
        r.Sorszam = counter;
        r.KitolKinek = client.Nev;
        r.Ugyfelszam = qint16(client.Ugyfelszam);
        r.LevelTargya = kSubjects[random.bounded(quint32(kSubjects.size()))] +
                        kSubjectTails[random.bounded(quint32(kSubjectTails.size()))];
        r.Ugyintezo = handlers[random.bounded(quint32(handlers.size()))].Nev;
        r.Num = counter;
        year.letters.push_back(r);

        store::IratRekord doc;
        if (random.bounded(100) < 15) {
            const QString name = QStringLiteral("level_%1_%2.pdf").arg(options.year).arg(i + 1);
            doc.IratNev = u'"' + name + u'"';
            doc.IratUtvonal =
                QStringLiteral("\"/home/iroda/Levelek/%1/%2\"").arg(options.year).arg(name);
        }
        year.documents.push_back(doc);
    }
    return year;
}

namespace {

template <typename R>
bool writeFile(const QString& path, const std::vector<R>& records) {
    QByteArray bytes;
    bytes.reserve(qsizetype(records.size()) * R::Size);
    for (const R& r : records)
        bytes += r.toBytes();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

}  // namespace

bool writeDemoRegister(const QString& folder, const DemoOptions& options) {
    const QString yearFolder = folder + u'/' + QString::number(options.year);
    if (!QDir().mkpath(yearFolder))
        return false;

    store::SetupRekord setup;
    setup.AblakSzin = 0x00E8DCCF;    // soft blue-grey window
    setup.ListaSzin = 0x00F5FBFF;    // warm white letter lists
    setup.PartnerSzin = 0x00E6F5E6;  // pale green pick lists
    setup.Rendezes = 0;
    setup.WordUtvonal = QStringLiteral("\"/usr/bin/libreoffice\"");
    setup.PDFUtvonal = QStringLiteral("\"/usr/bin/evince\"");
    setup.AutUgyfelszam = store::kTrue;
    setup.UtolsoSorraUgras = store::kTrue;
    setup.KezdoUgyfelszam = 1000;

    const DemoYear year = demoYear(options);
    const store::UszNumRekord usz{qint32(1000 + options.clients - 1)};
    return writeFile(folder + QStringLiteral("/Setup.dat"), std::vector{setup}) &&
           writeFile(folder + QStringLiteral("/Csoportok.dat"), demoGroups()) &&
           writeFile(folder + QStringLiteral("/Ugyfelek.dat"),
                     demoClients(options.clients, options.seed)) &&
           writeFile(folder + QStringLiteral("/Ugyintezo.dat"), demoHandlers()) &&
           writeFile(folder + QStringLiteral("/UszNum.dat"), std::vector{usz}) &&
           writeFile(yearFolder + QStringLiteral("/Velmar.dat"), year.letters) &&
           writeFile(yearFolder + QStringLiteral("/KiIrat.dat"), year.documents) &&
           writeFile(yearFolder + QStringLiteral("/Num.dat"), std::vector{year.counters});
}

}  // namespace testing
