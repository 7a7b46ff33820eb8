// Takes N numbers from a counter, each in its own operation, as a terminal does, and prints
// them one per line. Usage: counter_worker silme|check COUNT SITE_DIR
#include <QCoreApplication>

#include <cstdio>

#include "data/counters.h"
#include "data/db.h"
#include "data/site_database.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: counter_worker silme|check COUNT SITE_DIR\n");
        return 64;
    }
    try {
        const bool silme = qstrcmp(argv[1], "silme") == 0;
        const int count = QByteArray(argv[2]).toInt();
        auto db = ostrima::openSiteDatabase(QString::fromLocal8Bit(argv[3]));
        for (int i = 0; i < count; ++i) {
            ostrima::Transaction tx(*db);
            const qint64 n = silme ? ostrima::counters::nextSilmeNo(*db)
                                   : ostrima::counters::reserveCheckNumber(*db);
            tx.commit();
            std::printf("%lld\n", static_cast<long long>(n));
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
