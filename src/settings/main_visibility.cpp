#include "settings/main_visibility.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "settings/terminal_settings.h"

namespace ostrima {

namespace {

// Longest auto-answer time kept (a day); a larger setting is a typing error, not a wish.
constexpr double maxAutoAnswerMs = 24.0 * 60 * 60 * 1000;

int autoAnswerTime(double sorusure)
{
    if (!std::isfinite(sorusure) || sorusure <= 0)
        return 0;
    return static_cast<int>(std::lround(std::min(sorusure, maxAutoAnswerMs)));
}

} // namespace

MainScreenLayout layoutFor(const TerminalSettings& t, int hallCount, const QString& clientId)
{
    MainScreenLayout l;
    auto set = [&](std::initializer_list<const char*> names, bool shown) {
        for (const char* n : names)
            l.visible[QString::fromLatin1(n)] = shown;
    };

    // The steps run in this order and a later step wins over an earlier one for the same
    // control. Every governed control is entered, so a layout applied at a later login
    // also shows again what an earlier one hid.
    l.autoAnswerMs = autoAnswerTime(t.sorusure);
    l.paymentButtonCaption = t.odemebutonu;

    // With fewer than two halls there is nothing to choose in the hall list.
    const bool hallTab = hallCount > 1;
    set({"tsHizliSatis"}, t.hizlisatis);
    set({"tsPos"}, hallTab);
    set({"navBar"}, t.hizlisatis || hallTab);

    set({"btnGunsonu", "btnAyarlar", "btnKullanici", "btnLoglar", "btnGrafikler",
         "btnKasaIslemleri", "btnAdmin"},
        t.yonetim);

    l.mapColumns = TerminalSettings::wholeCount(t.kolon);

    set({"syonet"}, t.yonetim);

    set({"btn1", "tsToplam", "grdToplam", "btnA", "btnHesap", "btnHesapBolme", "btnIndirim",
         "btnIndTutar", "btnServisTutari", "btnServis", "btnMars", "btnYeniMasa", "btnMasraf",
         "btnSelf", "btnReserve", "btnHizliHesap", "btnKisiSayisi", "btnKisiFiyati", "tsExtra"},
        t.mixedmod);

    set({"btnUrunIkram"}, t.urunikr);
    set({"btnIade"}, t.iade);
    set({"btnIndirimYuzde", "btnIndTutar2", "btnFiyatDegistir", "btnServisTutari", "btnServis"},
        t.ind);
    set({"btnCariSec"}, t.cari);
    set({"btnMasaTransfer", "btnUrunTransfer"}, t.transfer);
    if (t.selfservis)
        set({"btnSelf"}, true);

    if (!t.found) {
        const QString id = clientId.isEmpty()
                               ? QStringLiteral("ana ekranın altında görünen terminal numarası")
                               : clientId;
        l.problem =
            QStringLiteral("Bu terminal için ayar kaydı yok: \"Client Setup\" ekranından bu "
                           "makinenin numarasını (%1) tanımlayınız. Tanımlanana kadar isteğe bağlı "
                           "işlevler gizlidir; masa haritası ekrana sığan sütunlarla gösterilir.")
                .arg(id);
    } else if (!l.mapColumns) {
        l.problem = QStringLiteral(
            "Masa haritası sütun sayısı (Kolon) tanımlı değil ya da tam sayı değil: \"Client "
            "Setup\" ekranında bu terminalin \"Kolon\" değerini 1 veya daha büyük bir tam sayı "
            "olarak giriniz. O zamana kadar harita ekrana sığan sütunlarla gösterilir.");
    }
    return l;
}

} // namespace ostrima
