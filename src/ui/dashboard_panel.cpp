#include "ui/dashboard_panel.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QGridLayout>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include "ui/style.h"

namespace ostrima {

namespace {

constexpr double kStartAngle = 225; // degrees, counter-clockwise from three o'clock
constexpr double kSweep = 270;
const QColor kCardBorder{0xd5, 0xdd, 0xe2};
const QColor kTrack{0xe3, 0xe8, 0xec};
const QColor kTick{0xb0, 0xbe, 0xc5};

QLocale turkish() { return QLocale(QLocale::Turkish, QLocale::Turkey); }

QString money(double value) { return turkish().toString(value, 'f', 2); }

QString quantity(double value)
{
    return turkish().toString(value, 'f', QLocale::FloatingPointShortest);
}

QPointF onCircle(const QPointF& centre, double radius, double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// The white card every dashboard piece stands on, and its caption; returns the caption's
// bottom edge.
qreal paintCard(QPainter& p, const QRectF& card, const QString& caption, const QFont& base)
{
    p.setPen(QPen(kCardBorder, 1));
    p.setBrush(touch::panel);
    p.drawRoundedRect(card, 12, 12);
    QFont f = base;
    f.setBold(true);
    f.setPixelSize(std::clamp(static_cast<int>(card.height() * 0.08), 14, 22));
    p.setFont(f);
    p.setPen(touch::mutedText);
    const QFontMetricsF fm(f);
    const QRectF r(card.left() + 12, card.top() + 10, card.width() - 24, fm.height());
    p.drawText(r, Qt::AlignCenter, fm.elidedText(caption, Qt::ElideRight, r.width()));
    return r.bottom();
}

// The largest pixel size up to `size` at which `text` fits into `width`.
void fitFont(QFont& font, const QString& text, qreal width, int size)
{
    font.setPixelSize(size);
    const qreal w = QFontMetricsF(font).horizontalAdvance(text);
    if (w > width && w > 0)
        font.setPixelSize(std::max(10, static_cast<int>(size * width / w)));
}

} // namespace

double niceScale(double value, double floor)
{
    if (!(value > floor)) // also a NaN
        return floor;
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (step * power >= value)
            return step * power;
    }
    return 10 * power;
}

// --- DashboardGauge ---------------------------------------------------------------------------

DashboardGauge::DashboardGauge(const QString& caption, const QColor& colour,
                               const QString& sizingText, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
    , m_colour(colour)
    , m_sizingText(sizingText)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(caption);
}

void DashboardGauge::setValue(double value, double maximum, const QString& text,
                              const QString& maximumText)
{
    m_value = value;
    m_maximum = maximum > 0 ? maximum : 1;
    m_text = text;
    m_maximumText = maximumText;
    setAccessibleDescription(text);
    update();
}

void DashboardGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal captionBottom = paintCard(p, card, m_caption, font());

    // The arc's open side leaves room at the bottom for the scale's ends: the dial needs
    // about 0.87 of its width in height, plus a line of labels.
    const QRectF area(card.left() + 12, captionBottom + 8, card.width() - 24,
                      card.bottom() - 10 - captionBottom - 8);
    const qreal labelPx = std::clamp(area.height() * 0.075, 11.0, 16.0);
    const qreal side =
        std::max<qreal>(20, std::min(area.width() * 0.92, (area.height() - labelPx) / 0.87));
    const qreal thickness = side * 0.11;
    const qreal radius = side / 2 - thickness / 2;
    const QPointF centre(area.center().x(), area.top() + side / 2);
    const QRectF arcRect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kTrack, thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(arcRect, static_cast<int>(kStartAngle * 16), static_cast<int>(-kSweep * 16));
    const double share = std::clamp(m_value / m_maximum, 0.0, 1.0);
    if (share > 0) {
        p.setPen(QPen(m_colour, thickness, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(arcRect, static_cast<int>(kStartAngle * 16),
                  -std::max(1, static_cast<int>(kSweep * share * 16)));
    }

    // Ticks at the quarters only: none of them comes near the middle line, so the value
    // can take the whole inside of the dial.
    const qreal tickOuter = radius - thickness / 2 - side * 0.025;
    p.setPen(QPen(kTick, 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i <= 4; ++i) {
        const double angle = kStartAngle - kSweep * i / 4;
        p.drawLine(onCircle(centre, tickOuter, angle),
                   onCircle(centre, tickOuter - side * 0.05, angle));
    }

    // The value, as large as the inside of the dial allows; sized on the longest text the
    // gauge expects, so that the figures do not jump in size as the value changes.
    QFont valueFont = font();
    valueFont.setBold(true);
    const qreal inner = 2 * (radius - thickness / 2) * 0.9;
    const QString sizing = m_sizingText.size() > m_text.size() ? m_sizingText : m_text;
    fitFont(valueFont, sizing, inner, static_cast<int>(side * 0.2));
    p.setFont(valueFont);
    p.setPen(touch::text);
    p.drawText(QRectF(centre.x() - inner / 2, centre.y() - side * 0.2, inner, side * 0.4),
               Qt::AlignCenter, m_text);

    QFont labelFont = font();
    labelFont.setPixelSize(static_cast<int>(labelPx));
    p.setFont(labelFont);
    p.setPen(touch::mutedText);
    const qreal labelWidth = side * 0.5;
    const qreal labelTop = centre.y() + radius * M_SQRT1_2 + thickness / 2 + 2;
    const QPointF start = onCircle(centre, radius, kStartAngle);
    const QPointF end = onCircle(centre, radius, kStartAngle - kSweep);
    p.drawText(QRectF(start.x() - labelWidth / 2, labelTop, labelWidth, labelPx * 1.4),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("0"));
    p.drawText(QRectF(end.x() - labelWidth / 2, labelTop, labelWidth, labelPx * 1.4),
               Qt::AlignHCenter | Qt::AlignTop, m_maximumText);
}

// --- BestSellerBar ----------------------------------------------------------------------------

BestSellerBar::BestSellerBar(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , m_caption(caption)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(caption);
}

void BestSellerBar::setBestSellers(const std::vector<BestSeller>& sellers, double capacity)
{
    m_sellers.assign(sellers.begin(), sellers.begin() + std::min<std::size_t>(sellers.size(), 3));
    m_capacity = capacity;
    QStringList description;
    for (const BestSeller& s : m_sellers)
        description << s.name + QStringLiteral(": ") + quantity(s.quantity);
    setAccessibleDescription(description.join(QStringLiteral(", ")));
    update();
}

void BestSellerBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal captionBottom = paintCard(p, card, m_caption, font());
    const QRectF area(card.left() + 16, captionBottom + 10, card.width() - 32,
                      card.bottom() - 14 - captionBottom - 10);

    if (m_sellers.empty()) {
        QFont f = font();
        f.setPixelSize(std::clamp(static_cast<int>(area.height() * 0.1), 14, 20));
        p.setFont(f);
        p.setPen(touch::mutedText);
        p.drawText(area, Qt::AlignCenter, QStringLiteral("Henüz satış yok"));
        return;
    }

    // Three slots whatever the number of rows, so a row does not move when another appears.
    static const QColor colours[] = {touch::accent, QColor(0x1e, 0x88, 0xe5),
                                     QColor(0x64, 0xb5, 0xf6)};
    const qreal slot = area.height() / 3;
    const qreal textPx = std::clamp(slot * 0.34, 13.0, 24.0);
    const qreal barHeight = std::clamp(slot * 0.2, 6.0, 16.0);
    const qreal badge = std::min(slot * 0.62, textPx * 1.7);
    QFont nameFont = font();
    nameFont.setBold(true);
    nameFont.setPixelSize(static_cast<int>(textPx));
    const QFontMetricsF fm(nameFont);
    for (std::size_t i = 0; i < m_sellers.size(); ++i) {
        const BestSeller& s = m_sellers[i];
        const QRectF row(area.left(), area.top() + slot * static_cast<qreal>(i), area.width(),
                         slot);
        const qreal lineTop = row.top() + (slot - fm.height() - 6 - barHeight) / 2;

        const QRectF badgeRect(row.left(), row.center().y() - badge / 2, badge, badge);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i]);
        p.drawEllipse(badgeRect);
        p.setFont(nameFont);
        p.setPen(Qt::white);
        p.drawText(badgeRect, Qt::AlignCenter, QString::number(i + 1));

        const qreal textLeft = badgeRect.right() + badge * 0.4;
        const QString amount = quantity(s.quantity);
        const qreal amountWidth = fm.horizontalAdvance(amount);
        const QRectF textRow(textLeft, lineTop, row.right() - textLeft, fm.height());
        p.setPen(touch::text);
        p.drawText(textRow.adjusted(0, 0, -amountWidth - 12, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   fm.elidedText(s.name, Qt::ElideRight, textRow.width() - amountWidth - 12));
        p.drawText(textRow, Qt::AlignRight | Qt::AlignVCenter, amount);

        const QRectF track(textLeft, textRow.bottom() + 6, textRow.width(), barHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(kTrack);
        p.drawRoundedRect(track, barHeight / 2, barHeight / 2);
        const double share = m_capacity > 0 ? std::clamp(s.quantity / m_capacity, 0.0, 1.0) : 0;
        if (share > 0) {
            QRectF fill = track;
            fill.setWidth(std::max(barHeight, track.width() * share));
            p.setBrush(colours[i]);
            p.drawRoundedRect(fill, barHeight / 2, barHeight / 2);
        }
    }
}

// --- DashboardPanel ---------------------------------------------------------------------------

DashboardPanel::DashboardPanel(QWidget* parent)
    : QWidget(parent)
{
    const QString moneySizing = money(99999.99);
    m_acik = new DashboardGauge(QStringLiteral("Açık Tutar"), touch::accent, moneySizing, this);
    m_acik->setObjectName(QStringLiteral("gaugeAcik"));
    m_ortalama = new DashboardGauge(QStringLiteral("Ortalama Adisyon"), QColor(0x2e, 0x7d, 0x32),
                                    moneySizing, this);
    m_ortalama->setObjectName(QStringLiteral("gaugeOrtalama"));
    // The colour of an occupied table on the map.
    m_doluluk = new DashboardGauge(QStringLiteral("Doluluk"), touch::occupied,
                                   QStringLiteral("%100"), this);
    m_doluluk->setObjectName(QStringLiteral("gaugeDoluluk"));
    m_enCok = new BestSellerBar(QStringLiteral("En Çok Satanlar"), this);
    m_enCok->setObjectName(QStringLiteral("barEnCok"));

    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(12);
    arrange(4);
    setDashboard(Dashboard{});
}

void DashboardPanel::setDashboard(const Dashboard& d)
{
    // Money scales grow in nice steps so the figures on them stay round.
    const double open = niceScale(d.openAmount, 1000);
    m_acik->setValue(d.openAmount, open, money(d.openAmount), turkish().toString(open, 'f', 0));
    const double average = niceScale(d.averageCheck, 100);
    m_ortalama->setValue(d.averageCheck, average, money(d.averageCheck),
                         turkish().toString(average, 'f', 0));
    const double occupancy = d.failed ? 0 : d.occupancy;
    m_doluluk->setValue(occupancy, 100,
                        QStringLiteral("%") + turkish().toString(std::lround(occupancy)),
                        QStringLiteral("100"));
    m_enCok->setBestSellers(d.bestSellers, d.barCapacity);
}

void DashboardPanel::resizeEvent(QResizeEvent* event)
{
    // Four cards in one row, two rows of two or one column, whichever draws the dials larger.
    const QSize s = event->size();
    const double oneRow = std::min(s.width() / 4.6, static_cast<double>(s.height()));
    const double twoRows = std::min(s.width() / 2.4, s.height() / 2.0);
    const double oneColumn = std::min(s.width() / 1.2, s.height() / 4.0);
    int columns = 4;
    if (twoRows > oneRow)
        columns = 2;
    if (oneColumn > std::max(oneRow, twoRows))
        columns = 1;
    arrange(columns);
    QWidget::resizeEvent(event);
}

void DashboardPanel::arrange(int columns)
{
    if (columns == m_columns)
        return;
    m_columns = columns;
    QWidget* const cards[] = {m_acik, m_ortalama, m_doluluk, m_enCok};
    for (QWidget* w : cards)
        m_grid->removeWidget(w);
    for (int c = 0; c < 4; ++c) {
        m_grid->setColumnStretch(c, 0);
        m_grid->setRowStretch(c, 0);
    }
    for (int i = 0; i < 4; ++i)
        m_grid->addWidget(cards[i], i / columns, i % columns);
    for (int c = 0; c < columns; ++c)
        m_grid->setColumnStretch(c, 10);
    if (columns == 4)
        m_grid->setColumnStretch(3, 16); // names need the room
    for (int r = 0; r < 4 / columns; ++r)
        m_grid->setRowStretch(r, 1);
}

} // namespace ostrima
