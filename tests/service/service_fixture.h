#pragma once

#include <algorithm>

#include <QDateTime>

#include "app/clock.h"
#include "app/session.h"
#include "data/row_writer.h"
#include "support/scripted_interaction.h"
#include "support/test_database.h"

namespace ostrima::test {

// A site with halls, tables, open lines and users written directly, as other terminals would
// have left them.
class ServiceTest : public SiteDbTest {
protected:
    static QString s(const char* text) { return QString::fromUtf8(text); }

    // `fields` replace the defaults or add to them.
    static Row merged(Row row, const Row& fields)
    {
        for (const auto& [column, value] : fields) {
            auto it = std::find_if(row.begin(), row.end(),
                                   [&](const auto& p) { return p.first == column; });
            if (it != row.end())
                it->second = value;
            else
                row.emplace_back(column, value);
        }
        return row;
    }

    void addHall(const QString& hall, const Row& settings = {})
    {
        insertRow(*m_db, s("Q_Admin"),
                  merged({{s("hall_name"), hall}, {s("hall_pwd"), s("")}, {s("takeaway"), false},
                          {s("RNK"), s("255")}, {s("dcolumn"), 110.0}, {s("drow"), 90.0}},
                         settings));
    }

    void addTable(const QString& hall, const QString& masa, int sira, const Row& fields = {})
    {
        insertRow(*m_db, s("Q_master_table"),
                  merged({{s("hall_name"), hall}, {s("Masa"), masa}, {s("sira"), sira},
                          {s("RNK"), s("0")}, {s("waiter"), s("")}, {s("subtotal"), 0.0},
                          {s("adisyaz"), false}, {s("HESADI"), s("")}, {s("masaadi"), s("Masa")}},
                         fields));
    }

    void addLine(const QString& hall, const QString& masa, const QString& product, double adet,
                 const QString& sipTime = s("12:00:00"))
    {
        insertRow(*m_db, s("Q_master_detay"),
                  {{s("hall_name"), hall},
                   {s("masa"), masa},
                   {s("ReceteAdi"), product},
                   {s("adet"), adet},
                   {s("sip_time"), sipTime}});
    }

    void addQueueRow(const QString& hall, const QString& masa)
    {
        insertRow(*m_db, s("Q_master_delete"),
                  {{s("hall_name"), hall}, {s("masa"), masa}, {s("gndr"), s("gonder")},
                   {s("iade"), 0}, {s("ReceteAdi"), s("Ayran")}, {s("adet"), 1.0}});
    }

    void addUser(const QString& name, const QString& pwd, const QString& bolum = s("Garson"))
    {
        insertRow(*m_db, s("Q_userkontrol"),
                  {{s("username"), name}, {s("pwd"), pwd}, {s("bolum"), bolum}});
    }

    QVariant header(const QString& hall, const QString& masa, const QString& column)
    {
        return m_db->scalar(
            s("SELECT %1 FROM Q_master_table WHERE hall_name = :h AND Masa = :m").arg(column),
            {{s("h"), hall}, {s("m"), masa}});
    }

    Session m_session;
    ScriptedInteraction m_ui;
    FixedClock m_clock{QDateTime(QDate(2026, 12, 11), QTime(14, 5, 9))};
};

} // namespace ostrima::test
