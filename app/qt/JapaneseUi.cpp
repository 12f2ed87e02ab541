#include "app/qt/JapaneseUi.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include <fontconfig/fontconfig.h>

namespace tavrosk::qt {

namespace {

// The first face fontconfig offers for Japanese gothic text that covers
// Japanese and is proportional: its own first choice can be a fixed-width
// one. Asked with the language given, so that the answer does not hang on
// the locale; a face has a name in each language it is listed in, and Qt
// lists it under the one that suits the locale.
QString findJapaneseGothic() {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:lang=ja"));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet* faces = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    const QStringList listed = QFontDatabase::families(QFontDatabase::Japanese);
    QString family;
    for (int f = 0; faces && family.isEmpty() && f < faces->nfont; ++f) {
        FcPattern* face = faces->fonts[f];
        FcLangSet* languages = nullptr;
        int spacing = FC_PROPORTIONAL;
        FcPatternGetInteger(face, FC_SPACING, 0, &spacing);
        if (spacing != FC_PROPORTIONAL || FcPatternGetLangSet(face, FC_LANG, 0, &languages) != FcResultMatch ||
            FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>("ja")) != FcLangEqual)
            continue;
        FcChar8* name = nullptr;
        for (int i = 0; family.isEmpty() && FcPatternGetString(face, FC_FAMILY, i, &name) == FcResultMatch; ++i)
            if (listed.contains(QString::fromUtf8(reinterpret_cast<const char*>(name))))
                family = QString::fromUtf8(reinterpret_cast<const char*>(name));
    }
    if (faces)
        FcFontSetDestroy(faces);
    return family;
}

} // namespace

QString JapaneseGothic() {
    static const QString family = findJapaneseGothic();
    return family;
}

void UseJapaneseUi() {
    if (const QString family = JapaneseGothic(); !family.isEmpty()) {
        QFont font = QApplication::font();
        font.setFamilies({family});
        QApplication::setFont(font);
    }
    static QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
}

} // namespace tavrosk::qt
