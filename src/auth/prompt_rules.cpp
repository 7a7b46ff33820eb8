#include "auth/prompt_rules.h"

#include <algorithm>

#include <QRegularExpression>

#include "settings/terminal_settings.h"

namespace ostrima {

namespace {

const QString kZero = QStringLiteral("0");
const QString kMaster = QStringLiteral("Master Password ");
const QString kWaiterCode = QStringLiteral("Garson Kodu ");
const QString kKasiyer = QStringLiteral("Kasiyer");
const QString kGarson = QStringLiteral("Garson");
const QString kAdmin = QStringLiteral("Admin");

using Right = bool PromptUser::*;

// First user, in table order, whose code equals the entry and who passes `accepts`.
template <typename Pred>
const PromptUser* firstUser(const PromptContext& c, const QString& entry, Pred accepts)
{
    for (const PromptUser& u : c.users)
        if (u.pwd == entry && accepts(u))
            return &u;
    return nullptr;
}

const PromptUser* anyUser(const PromptContext& c, const QString& entry)
{
    return firstUser(c, entry, [](const PromptUser&) { return true; });
}

const PromptUser* withRight(const PromptContext& c, const QString& entry, Right right)
{
    return firstUser(c, entry, [right](const PromptUser& u) { return u.*right; });
}

const PromptUser* withRole(const PromptContext& c, const QString& entry, const QString& role)
{
    return firstUser(c, entry, [&role](const PromptUser& u) { return u.bolum == role; });
}

} // namespace

bool isPromptMode(int mode)
{
    return !promptCaption(mode).isEmpty();
}

QString promptCaption(int mode)
{
    switch (mode) {
    case 100:
    case 102:
        return kWaiterCode;
    case 200:
        return QStringLiteral("Kuver Sayısı ");
    case 300:
    case 400:
    case 401:
    case 600:
    case 1111:
    case 1200:
    case 1903:
    case 3001:
    case 3456:
    case 4048:
    case 4447:
    case 5858:
    case 9990:
        return kMaster;
    case 501:
        return QStringLiteral("Ürün Fiyatı ");
    case 601:
        return QStringLiteral("iade Miktarı ");
    case 998:
        return QStringLiteral("P.O.S Şifresi ");
    case 1201:
        return QStringLiteral("Yeni Fiyat ");
    case 5000:
        return QStringLiteral("Cashier ");
    case 9991:
        return QStringLiteral("Kuver Fiyatı ");
    case 9992:
    case 9993:
        return QStringLiteral("Garson Kodu");
    default:
        return {};
    }
}

bool promptMasked(int mode)
{
    // 9993 asks for a personal code like 100 and 9992; it is masked like them.
    switch (mode) {
    case 200:
    case 501:
    case 601:
    case 1201:
    case 9991:
        return false;
    default:
        return true;
    }
}

bool promptCancellable(int mode)
{
    return mode != 5000;
}

std::optional<double> promptNumber(const QString& entry)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9]*([.,][0-9]*)?$"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    if (!pattern.match(entry).hasMatch() || !entry.contains(digit))
        return std::nullopt;
    QString text = entry;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    bool ok = false;
    const double value = text.toDouble(&ok); // QString::toDouble reads the C locale
    if (!ok)
        return std::nullopt;
    return value;
}

PromptOutcome promptOk(int mode, const QString& entry, const PromptContext& context)
{
    PromptOutcome out;
    out.mode = mode;
    out.caption = promptCaption(mode);
    out.masked = promptMasked(mode);
    out.entry = entry;

    // A code that opens nothing clears the entry; a number that does not fit leaves it.
    auto refuseCode = [&] {
        out.entry = kZero;
        return out;
    };
    auto refuseNumber = [&] { return out; };
    auto accept = [&] {
        out.close = true;
        return out;
    };
    auto switchTo = [&](int next, const QString& caption) {
        out.mode = next;
        out.caption = caption;
        out.masked = promptMasked(next);
        out.entry = kZero;
        return out;
    };
    auto number = [&](auto fits) {
        const std::optional<double> value = promptNumber(entry);
        return value && fits(*value) ? accept() : refuseNumber();
    };
    auto authorised = [&](const PromptUser* u, PromptFollowUp followUp) {
        if (!u)
            return refuseCode();
        out.islemyapan = u->username;
        out.followUp = followUp;
        return accept();
    };
    auto plain = [&](const PromptUser* u) { return u ? accept() : refuseCode(); };

    switch (mode) {
    case 100: {
        const PromptUser* u = anyUser(context, entry);
        if (!u)
            return refuseCode();
        out.waiter = u->username;
        if (context.hall && context.hall->kuversor)
            return switchTo(200, QStringLiteral("Kuver  "));
        return accept();
    }
    case 102:
        return plain(anyUser(context, entry));
    case 200: {
        bool ok = false;
        const qlonglong guests = entry.toLongLong(&ok);
        const bool digitsOnly = !entry.isEmpty()
            && std::all_of(entry.begin(), entry.end(), [](QChar ch) { return ch.isDigit(); });
        return ok && digitsOnly && guests >= 1 ? accept() : refuseNumber();
    }
    case 300:
        return authorised(withRight(context, entry, &PromptUser::ind), PromptFollowUp::DiscountKeypad);
    case 400:
        return authorised(withRight(context, entry, &PromptUser::servis), PromptFollowUp::ServiceKeypad);
    case 401:
        return authorised(withRight(context, entry, &PromptUser::htrans), PromptFollowUp::None);
    case 501:
        return number([](double v) { return v <= 5000000000.0; });
    case 600: {
        const PromptUser* u = withRight(context, entry, &PromptUser::iade);
        if (!u)
            return refuseCode();
        out.islemyapan = u->username;
        return switchTo(601, QStringLiteral("İade Miktarı"));
    }
    case 601:
        return number([](double v) { return v > 0; });
    case 998: {
        const HallSettings* hall = context.hall;
        return hall && hall->found && hall->hall_pwd == entry ? accept() : refuseCode();
    }
    case 1111:
        return authorised(withRight(context, entry, &PromptUser::uikram), PromptFollowUp::None);
    case 1200: {
        const PromptUser* u = withRight(context, entry, &PromptUser::fdegis);
        if (!u)
            return refuseCode();
        out.islemyapan = u->username;
        return switchTo(1201, QStringLiteral("Yeni Fiyatı Giriniz"));
    }
    case 1201:
        return number([](double v) { return v <= 50000.0; });
    case 1903:
        return plain(withRight(context, entry, &PromptUser::yonetim));
    case 3001:
        return authorised(withRole(context, entry, kAdmin), PromptFollowUp::AmountKeypad);
    case 3456:
    case 9991:
        return entry != kZero ? accept() : refuseNumber();
    case 4048:
        return plain(withRight(context, entry, &PromptUser::hesap));
    case 4447:
        if (withRole(context, entry, kAdmin)) {
            out.followUp = PromptFollowUp::ClosedChecksAdmin;
            return accept();
        }
        if (withRole(context, entry, kKasiyer)) {
            out.followUp = PromptFollowUp::ClosedChecksCashier;
            return accept();
        }
        return refuseNumber(); // the entry stays as typed
    case 5000: {
        const PromptUser* u = withRole(context, entry, kKasiyer);
        if (!u)
            return refuseCode();
        out.cash_ed = u->username;
        out.followUp = PromptFollowUp::CheckPanelRefresh;
        return accept();
    }
    case 5858:
        return plain(withRight(context, entry, &PromptUser::cari));
    case 9990:
        return plain(withRole(context, entry, kAdmin));
    case 9992: {
        const PromptUser* u = anyUser(context, entry);
        if (!u)
            return refuseCode();
        out.waiter = u->username;
        return accept();
    }
    case 9993: {
        const PromptUser* u = withRole(context, entry, kGarson);
        if (!u || !context.tableSelected)
            return refuseCode();
        out.tableWaiter = u->username;
        return accept();
    }
    default:
        return out;
    }
}

} // namespace ostrima
