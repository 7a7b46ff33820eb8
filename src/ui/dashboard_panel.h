#pragma once

#include <vector>

#include <QColor>
#include <QString>
#include <QWidget>

#include "service/dashboard.h"

class QGridLayout;

namespace ostrima {

// A round gauge on a card: the caption on top, a 270° arc filled to the value's share of the
// scale, the value in large figures in the middle and the scale's ends under the arc.
class DashboardGauge : public QWidget {
    Q_OBJECT
public:
    // `sizingText`: the longest value text expected, which sets the size of the figures.
    DashboardGauge(const QString& caption, const QColor& colour, const QString& sizingText,
                   QWidget* parent = nullptr);

    // `text` is what the middle shows; the arc shows value / maximum.
    void setValue(double value, double maximum, const QString& text, const QString& maximumText);
    double value() const { return m_value; }
    double maximum() const { return m_maximum; }
    QString valueText() const { return m_text; }

    QSize sizeHint() const override { return {230, 230}; }
    QSize minimumSizeHint() const override { return {120, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_colour;
    QString m_sizingText;
    double m_value = 0;
    double m_maximum = 1;
    QString m_text;
    QString m_maximumText;
};

// The best sellers on a card: up to three rows of rank, name and quantity, each with a bar
// whose length is the quantity's share of the capacity.
class BestSellerBar : public QWidget {
    Q_OBJECT
public:
    explicit BestSellerBar(const QString& caption, QWidget* parent = nullptr);

    void setBestSellers(const std::vector<BestSeller>& sellers, double capacity);
    const std::vector<BestSeller>& bestSellers() const { return m_sellers; }
    double capacity() const { return m_capacity; }

    QSize sizeHint() const override { return {340, 230}; }
    QSize minimumSizeHint() const override { return {200, 120}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    std::vector<BestSeller> m_sellers;
    double m_capacity = 0;
};

// The management dashboard of the main screen: open amount, average check, occupancy and the
// best sellers. Wide, the four cards stand in one row; narrow, in two.
class DashboardPanel : public QWidget {
    Q_OBJECT
public:
    explicit DashboardPanel(QWidget* parent = nullptr);

    void setDashboard(const Dashboard& dashboard);

    DashboardGauge* openAmountGauge() const { return m_acik; }
    DashboardGauge* averageCheckGauge() const { return m_ortalama; }
    DashboardGauge* occupancyGauge() const { return m_doluluk; }
    BestSellerBar* bestSellerBar() const { return m_enCok; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange(int columns);

    DashboardGauge* m_acik = nullptr;
    DashboardGauge* m_ortalama = nullptr;
    DashboardGauge* m_doluluk = nullptr;
    BestSellerBar* m_enCok = nullptr;
    QGridLayout* m_grid = nullptr;
    int m_columns = 0;
};

// The smallest "nice" number (1, 2, 2.5 or 5 times a power of ten) at or above `value`, and at
// least `floor`: the scale of a money gauge.
double niceScale(double value, double floor);

} // namespace ostrima
