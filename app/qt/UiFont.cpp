#include "app/qt/UiFont.h"

#include <QApplication>
#include <QFontDatabase>

namespace tavrosk::qt {

void UseJapaneseUiFont() {
    QFont font = QApplication::font();
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese))
        return;
    const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
    for (const char* face : {"IPAPGothic", "Noto Sans CJK JP", "VL PGothic", "TakaoPGothic", "IPAGothic"}) {
        if (installed.contains(QLatin1String(face))) {
            font.setFamilies({QLatin1String(face)});
            QApplication::setFont(font);
            return;
        }
    }
}

} // namespace tavrosk::qt
