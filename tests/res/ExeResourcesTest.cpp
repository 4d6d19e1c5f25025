// The built executable's resources, read from its file as Windows reads them.

#include "support/BuiltProgram.h"
#include "support/IconPixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Bytes = std::span<const BYTE>;

constexpr WORD IconType = 3, IconGroupType = 14, VersionType = 16;
constexpr WORD AppIconGroup = 1, VersionId = 1, Neutral = 0, UsEnglish = 0x0409;

struct ImageRow {
    WORD id;
    int size;
};
constexpr ImageRow Images[] = {{30001, 256}, {30002, 128}, {30003, 96}, {30004, 72}, {30005, 64},
                               {30006, 48},  {30007, 32},  {30008, 24}, {30009, 16}};

WORD WordAt(Bytes bytes, size_t at) { return static_cast<WORD>(bytes[at] | bytes[at + 1] << 8); }
DWORD DwordAt(Bytes bytes, size_t at) { return WordAt(bytes, at) | static_cast<DWORD>(WordAt(bytes, at + 2)) << 16; }

using ResourceKey = std::tuple<WORD, WORD, WORD>;  // type, id, language; 0xFFFF stands for a name

WORD IdOf(LPCSTR name) { return IS_INTRESOURCE(name) ? LOWORD(reinterpret_cast<ULONG_PTR>(name)) : 0xFFFF; }
BOOL CALLBACK OnLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found)
{
    reinterpret_cast<std::set<ResourceKey>*>(found)->insert({IdOf(type), IdOf(name), language});
    return TRUE;
}
BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found)
{
    return EnumResourceLanguagesA(module, type, name, OnLanguage, found);
}
BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR found) { return EnumResourceNamesA(module, type, OnName, found); }

// One block of a version resource: its key, its value and the blocks inside it.
struct VersionBlock {
    std::string key;
    Bytes value;
    std::vector<VersionBlock> children;

    std::string Text() const  // a text value (UTF-16 with its NUL) as ASCII
    {
        std::string text;
        for (size_t at = 0; at + 1 < value.size() && WordAt(value, at) != 0; at += 2) text += static_cast<char>(value[at]);
        return text;
    }
};

size_t Aligned(size_t at) { return (at + 3) & ~size_t{3}; }

VersionBlock ReadBlock(Bytes bytes)
{
    const size_t length = WordAt(bytes, 0), valueLength = WordAt(bytes, 2), isText = WordAt(bytes, 4);
    VersionBlock block;
    size_t at = 6;
    for (; WordAt(bytes, at) != 0; at += 2) block.key += static_cast<char>(bytes[at]);
    at = Aligned(at + 2);
    const size_t valueBytes = isText ? valueLength * 2 : valueLength;  // a text value counts characters
    block.value = bytes.subspan(at, valueBytes);
    for (at = Aligned(at + valueBytes); at < length && WordAt(bytes, at) != 0; at = Aligned(at + WordAt(bytes, at)))
        block.children.push_back(ReadBlock(bytes.subspan(at, WordAt(bytes, at))));
    return block;
}

class ExeResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { exe = LoadLibraryExA(BuiltProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE); }
    static void TearDownTestSuite() { FreeLibrary(exe); }
    void SetUp() override { ASSERT_NE(exe, nullptr) << BuiltProgramPath(); }

    static Bytes Resource(WORD type, WORD id, WORD language)
    {
        HRSRC found = FindResourceExA(exe, MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(id), language);
        if (!found) return {};
        return {static_cast<const BYTE*>(LockResource(LoadResource(exe, found))), SizeofResource(exe, found)};
    }

    static inline HMODULE exe = nullptr;
};

// The signature, then the header chunk: 256 x 256, 8 bits per channel, red, green, blue and alpha.
void ExpectPng256(Bytes image)
{
    const BYTE start[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                          0,    0,   1,   0,   0,    0,    1,    0,    8, 6};
    ASSERT_GT(image.size(), sizeof start);
    EXPECT_EQ(0, std::memcmp(image.data(), start, sizeof start));
}

// A bare header with the height doubled, 32-bit rows, then a 1-bit mask set exactly where alpha is 0.
void ExpectBitmapWithMask(Bytes image, int size)
{
    const size_t side = static_cast<size_t>(size), maskStride = (side + 31) / 32 * 4;
    const size_t colourBytes = 4 * side * side, maskBytes = maskStride * side;
    ASSERT_EQ(image.size(), sizeof(BITMAPINFOHEADER) + colourBytes + maskBytes);
    const BITMAPINFOHEADER expected{sizeof expected, size, 2 * size, 1, 32, BI_RGB,
                                    static_cast<DWORD>(colourBytes + maskBytes), 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(image.data(), &expected, sizeof expected));
    Bytes colour = image.subspan(sizeof expected, colourBytes), mask = image.subspan(sizeof expected + colourBytes);
    int disagreements = 0;
    for (size_t y = 0; y < side; ++y)
        for (size_t x = 0; x < side; ++x)
            disagreements += (colour[4 * (y * side + x) + 3] == 0) != ((mask[y * maskStride + x / 8] & (0x80 >> x % 8)) != 0);
    EXPECT_EQ(disagreements, 0);
}

}  // namespace

TEST_F(ExeResources, HoldOnlyTheIconGroupItsNineImagesAndTheVersionBlock)
{
    std::set<ResourceKey> expected{{IconGroupType, AppIconGroup, Neutral}, {VersionType, VersionId, UsEnglish}};
    for (const ImageRow& row : Images) expected.insert({IconType, row.id, Neutral});
    std::set<ResourceKey> found;
    EnumResourceTypesA(exe, OnType, reinterpret_cast<LONG_PTR>(&found));
    EXPECT_EQ(found, expected);
}

TEST_F(ExeResources, TheGroupListsItsImagesLargestFirstEachInItsFormatOnATransparentGround)
{
    Bytes group = Resource(IconGroupType, AppIconGroup, Neutral);
    ASSERT_EQ(group.size(), 6 + 14 * std::size(Images));
    EXPECT_EQ(DwordAt(group, 0), 0x00010000u);  // reserved, then 1: icons, not cursors
    EXPECT_EQ(WordAt(group, 4), std::size(Images));
    for (size_t i = 0; i < std::size(Images); ++i) {
        const ImageRow& row = Images[i];
        SCOPED_TRACE(row.id);
        Bytes image = Resource(IconType, row.id, Neutral), entry = group.subspan(6 + 14 * i, 14);
        EXPECT_EQ(entry[0], row.size % 256);  // 0 stands for 256
        EXPECT_EQ(entry[1], row.size % 256);
        EXPECT_EQ(DwordAt(entry, 4), 0x00200001u);  // 1 plane, 32 bits per pixel
        EXPECT_EQ(DwordAt(entry, 8), image.size());
        EXPECT_EQ(WordAt(entry, 12), row.id);
        if (row.size == 256)
            ExpectPng256(image);
        else
            ExpectBitmapWithMask(image, row.size);

        HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(image.data()), static_cast<DWORD>(image.size()), TRUE,
                                              0x00030000, row.size, row.size, LR_DEFAULTCOLOR);
        IconPixels pixels = PixelsOf(icon);
        DestroyIcon(icon);
        EXPECT_EQ(pixels.width, row.size);
        EXPECT_TRUE(pixels.CornersAreTransparent());
        EXPECT_GT(pixels.OpaqueShare(), 0.25);  // a drawing, not an empty ground
    }
}

TEST_F(ExeResources, TheIconGroupGivesAnIconOfEachAskedSize)
{
    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(LoadImageA(exe, MAKEINTRESOURCEA(AppIconGroup), IMAGE_ICON, size, size, 0));
        IconPixels pixels = PixelsOf(icon);
        DestroyIcon(icon);
        EXPECT_EQ(pixels.width, size);
        EXPECT_EQ(pixels.height, size);
    }
}

TEST_F(ExeResources, TheVersionBlockIsVersionTwoInUsEnglishWithItsStringsInOrder)
{
    VersionBlock root = ReadBlock(Resource(VersionType, VersionId, UsEnglish));
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    const VS_FIXEDFILEINFO fixed{0xFEEF04BD, 0x00010000, 0x00020000, 0, 0x00020000, 0, 0, 0, VOS__WINDOWS32, VFT_APP,
                                 0, 0, 0};
    ASSERT_EQ(root.value.size(), sizeof fixed);
    EXPECT_EQ(0, std::memcmp(root.value.data(), &fixed, sizeof fixed));

    ASSERT_EQ(root.children.size(), 2u);
    const VersionBlock &var = root.children[0], &strings = root.children[1];
    EXPECT_EQ(var.key, "VarFileInfo");
    ASSERT_EQ(var.children.size(), 1u);
    EXPECT_EQ(var.children[0].key, "Translation");
    EXPECT_EQ(DwordAt(var.children[0].value, 0), 0x04B00409u);  // US English, Unicode
    EXPECT_EQ(strings.key, "StringFileInfo");
    ASSERT_EQ(strings.children.size(), 1u);
    EXPECT_EQ(strings.children[0].key, "040904B0");
    std::vector<std::pair<std::string, std::string>> table;
    for (const VersionBlock& entry : strings.children[0].children) table.emplace_back(entry.key, entry.Text());
    const std::vector<std::pair<std::string, std::string>> expected{
        {"CompanyName", "Brimwick"},
        {"FileDescription", "Lock screen at the touch of a button!"},
        {"LegalCopyright", "Copyright (C) 2026 Brimwick"},
        {"ProductName", "Vendrel pro"},
        {"FileVersion", "2.00"},
        {"ProductVersion", "2.00"},
        {"InternalName", "Duradarudo"},
        {"OriginalFilename", "Duradarudo.exe"},
    };
    EXPECT_EQ(table, expected);
}
