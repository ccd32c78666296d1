#include "SystemFaces.h"

#include <usp10.h>

#include <cwchar>

namespace {

// A character is a few glyphs at most (a base and its marks, the parts of an
// emoji sequence).
constexpr int kMaxGlyphs = 32;

int CALLBACK AddFace(const LOGFONTW* plf, const TEXTMETRICW*, DWORD, LPARAM lParam)
{
    auto& faces = *reinterpret_cast<std::vector<std::u16string>*>(lParam);
    const std::u16string face = Utf16Of(plf->lfFaceName);
    // One entry per face: it is listed once for each character set it has.
    // The '@' faces are the vertical forms of others.
    if (!face.empty() && face[0] != u'@' && (faces.empty() || faces.back() != face))
        faces.push_back(face);
    return 1;
}

// Whether every glyph Uniscribe gives text in the font selected into hDC is
// a real one, not the face's default glyph. Shaped as one run of no script:
// what a face maps is the question, not how a script's rules join its glyphs
// (nor the tables those rules read, which would cost more than the answer).
bool ShapesWhole(HDC hDC, const std::u16string& text)
{
    SCRIPT_CACHE cache = nullptr;
    SCRIPT_FONTPROPERTIES props{};
    props.cBytes = sizeof props;
    SCRIPT_ANALYSIS sa{};
    sa.eScript = SCRIPT_UNDEFINED;
    WORD glyphs[kMaxGlyphs];
    WORD clusters[kMaxGlyphs];
    SCRIPT_VISATTR attrs[kMaxGlyphs];
    int nGlyphs = 0;
    bool whole = text.size() <= kMaxGlyphs && SUCCEEDED(::ScriptGetFontProperties(hDC, &cache, &props)) &&
                 SUCCEEDED(::ScriptShape(hDC, &cache, WideOf(text), static_cast<int>(text.size()), kMaxGlyphs, &sa,
                                         glyphs, clusters, attrs, &nGlyphs));
    for (int g = 0; whole && g < nGlyphs; ++g)
        whole = glyphs[g] != props.wgDefault;
    ::ScriptFreeCache(&cache);
    return whole;
}

} // namespace

const std::vector<std::u16string>& CSystemFaces::InstalledFaces()
{
    if (!m_bListed) {
        m_installed.clear();
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        ::EnumFontFamiliesExW(m_dc, &lf, AddFace, reinterpret_cast<LPARAM>(&m_installed), 0);
        m_bListed = true;
    }
    return m_installed;
}

std::vector<std::u16string> CSystemFaces::LinkedFaces(const std::u16string& face)
{
    if (!m_bLinked || face != m_linkedFace) {
        m_linked = LinkList(face);
        if (m_linked.empty()) {
            // Kept under the face's English name: a Japanese system lists MS Gothic as ＭＳ ゴシック.
            const std::u16string english = EnglishName(face);
            if (!english.empty() && english != face)
                m_linked = LinkList(english);
        }
        m_linkedFace = face;
        m_bLinked = true;
    }
    return m_linked;
}

std::vector<std::u16string> CSystemFaces::LinkList(const std::u16string& face)
{
    DWORD cb = 0;
    const wchar_t kKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink";
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, WideOf(face), RRF_RT_REG_MULTI_SZ, nullptr, nullptr, &cb) !=
            ERROR_SUCCESS ||
        cb < sizeof(wchar_t))
        return {};
    std::vector<wchar_t> list(cb / sizeof(wchar_t));
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, kKey, WideOf(face), RRF_RT_REG_MULTI_SZ, nullptr, list.data(), &cb) !=
        ERROR_SUCCESS)
        return {};
    return LinkedFaceNames(reinterpret_cast<const char16_t*>(list.data()), cb / sizeof(wchar_t));
}

std::u16string CSystemFaces::EnglishName(const std::u16string& face)
{
    CFont font;
    if (!m_dc || !CreateProbeFont(font, face))
        return {};
    CSelectObject select(m_dc, font);
    const DWORD kName = 0x656D616E; // 'name', as the bytes stand in the file
    const DWORD cb = ::GetFontData(m_dc, kName, 0, nullptr, 0);
    if (cb == GDI_ERROR || cb == 0)
        return {};
    std::vector<unsigned char> table(cb);
    if (::GetFontData(m_dc, kName, 0, table.data(), cb) != cb)
        return {};
    return EnglishFamilyName(table.data(), table.size());
}

bool CSystemFaces::CreateProbeFont(CFont& font, const std::u16string& face)
{
    if (face.size() >= LF_FACESIZE)
        return false;
    LOGFONTW lf{};
    lf.lfHeight = -32; // the glyphs a face maps are the same at every size
    lf.lfCharSet = DEFAULT_CHARSET;
    std::wcsncpy(lf.lfFaceName, WideOf(face), LF_FACESIZE - 1);
    return font.CreateFontIndirect(&lf);
}

bool CSystemFaces::HasGlyphs(const std::u16string& face, const std::u16string& text)
{
    if (text.empty())
        return true;
    CFont font;
    if (!m_dc || !CreateProbeFont(font, face))
        return false;
    CSelectObject select(m_dc, font);
    return ShapesWhole(m_dc, text);
}
