#include "export/libreoffice/LineWidthEstimate.h"

#include "export/libreoffice/CellScript.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <unordered_map>
#include <vector>

namespace tavrosk::libreoffice {

namespace {

// The faces fontconfig offers for a family, best first (the family itself
// or its substitute, then the fallbacks), each opened when first needed.
class FaceChain {
public:
    FaceChain(FT_Library library, const std::string& family) : library_(library) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        fonts_ = FcFontSort(nullptr, pattern, FcTrue, nullptr, &result);
        FcPatternDestroy(pattern);
        faces_.resize(fonts_ ? static_cast<std::size_t>(fonts_->nfont) : 0);
    }
    ~FaceChain() {
        for (const Face& face : faces_)
            if (face.face)
                FT_Done_Face(face.face);
        if (fonts_)
            FcFontSetDestroy(fonts_);
    }
    FaceChain(const FaceChain&) = delete;
    FaceChain& operator=(const FaceChain&) = delete;

    // The character's advance in em, from the first face that has it; where
    // none has it, the first face's missing-glyph box.
    double advance(char32_t character) {
        for (std::size_t i = 0; i < faces_.size(); ++i) {
            FcCharSet* characters = nullptr;
            if (FcPatternGetCharSet(fonts_->fonts[i], FC_CHARSET, 0, &characters) != FcResultMatch ||
                !FcCharSetHasChar(characters, character))
                continue;
            if (const FT_Face face = open(i))
                if (const FT_UInt glyph = FT_Get_Char_Index(face, character))
                    return advance(face, glyph);
        }
        for (std::size_t i = 0; i < faces_.size(); ++i)
            if (const FT_Face face = open(i))
                return advance(face, 0);
        return 1.0;
    }

private:
    struct Face {
        FT_Face face = nullptr;
        bool tried = false;
    };

    // The face of font i, or none when it cannot be opened or has no
    // outlines to measure.
    FT_Face open(std::size_t i) {
        Face& slot = faces_[i];
        if (!slot.tried) {
            slot.tried = true;
            FcChar8* file = nullptr;
            int index = 0;
            FcPatternGetInteger(fonts_->fonts[i], FC_INDEX, 0, &index);
            if (FcPatternGetString(fonts_->fonts[i], FC_FILE, 0, &file) == FcResultMatch &&
                FT_New_Face(library_, reinterpret_cast<const char*>(file), index, &slot.face) == 0 &&
                !FT_IS_SCALABLE(slot.face)) {
                FT_Done_Face(slot.face);
                slot.face = nullptr;
            }
        }
        return slot.face;
    }

    static double advance(FT_Face face, FT_UInt glyph) {
        if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE) != 0)
            return 0;
        return static_cast<double>(face->glyph->advance.x) / face->units_per_EM;
    }

    FT_Library library_;
    FcFontSet* fonts_ = nullptr;
    std::vector<Face> faces_;
};

char32_t CharacterAt(std::u16string_view line, std::size_t& i) {
    const char16_t unit = line[i++];
    if (unit >= 0xD800 && unit <= 0xDBFF && i < line.size() && line[i] >= 0xDC00 && line[i] <= 0xDFFF)
        return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (line[i++] - 0xDC00);
    return unit;
}

} // namespace

// The three scripts' face chains, with each character's advance cached (a
// list repeats its characters thousands of times).
class LineWidthEstimate::Fonts {
public:
    explicit Fonts(const std::array<const CellFont*, 3>& fonts) {
        FT_Init_FreeType(&library_);
        for (std::size_t script = 0; script < fonts.size(); ++script)
            chains_[script] = std::make_unique<FaceChain>(library_, fonts[script]->family);
    }
    ~Fonts() {
        for (auto& chain : chains_)
            chain.reset();
        FT_Done_FreeType(library_);
    }
    Fonts(const Fonts&) = delete;
    Fonts& operator=(const Fonts&) = delete;

    double advance(std::size_t script, char32_t character) {
        if (character < 0x10000) {
            auto& cache = basicPlane_[script];
            if (cache.empty())
                cache.assign(0x10000, NAN);
            double& cached = cache[character];
            if (std::isnan(cached))
                cached = chains_[script]->advance(character);
            return cached;
        }
        const auto [entry, added] = otherPlanes_[script].try_emplace(character, 0.0);
        if (added)
            entry->second = chains_[script]->advance(character);
        return entry->second;
    }

private:
    FT_Library library_ = nullptr;
    std::array<std::unique_ptr<FaceChain>, 3> chains_;
    std::array<std::vector<double>, 3> basicPlane_;
    std::array<std::unordered_map<char32_t, double>, 3> otherPlanes_;
};

LineWidthEstimate::LineWidthEstimate(const CellFont& latin, const CellFont& asian, const CellFont& complex)
    : fonts_(std::make_unique<Fonts>(std::array{&latin, &asian, &complex})),
      points_{latin.points, asian.points, complex.points} {}

LineWidthEstimate::~LineWidthEstimate() = default;

double LineWidthEstimate::operator()(std::u16string_view line) {
    // Weak characters before the first strong one take its script.
    CellScript current = CellScript::Latin;
    for (std::size_t i = 0; i < line.size();)
        if (const CellScript script = ScriptOf(CharacterAt(line, i)); script != CellScript::Weak) {
            current = script;
            break;
        }
    double width = 0;
    for (std::size_t i = 0; i < line.size();) {
        const char32_t character = CharacterAt(line, i);
        if (const CellScript script = ScriptOf(character); script != CellScript::Weak)
            current = script;
        const auto script = static_cast<std::size_t>(current);
        width += fonts_->advance(script, character) * points_[script];
    }
    return width;
}

} // namespace tavrosk::libreoffice
