// Resources the system itself reads from the executable: the version record shown in the
// file's properties, the manifest that selects the common controls 6 and the pictures.
#include <gtest/gtest.h>
#include <windows.h>

#include "resources/resource.h"

#include <string>
#include <vector>

namespace {

std::vector<char> OwnVersionRecord() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::vector<char> record(GetFileVersionInfoSizeA(path, nullptr));
    if (!record.empty()) {
        GetFileVersionInfoA(path, 0, static_cast<DWORD>(record.size()), record.data());
    }
    return record;
}

std::wstring VersionString(std::vector<char>& record, const wchar_t* name) {
    std::wstring path = std::wstring(L"\\StringFileInfo\\040704B0\\") + name;
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), path.c_str(), &text, &length)) {
        return L"(missing)";
    }
    return static_cast<const wchar_t*>(text);
}

TEST(ResourceTest, VersionRecordIsGermanUnicodeVersion1300) {
    std::vector<char> record = OwnVersionRecord();
    ASSERT_FALSE(record.empty());

    void* data = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", &data, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(data);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(0x00010003));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(0));
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(0x00010003));

    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", &data, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(static_cast<const WORD*>(data)[0], 0x0407);
    EXPECT_EQ(static_cast<const WORD*>(data)[1], 1200);

    EXPECT_EQ(VersionString(record, L"FileDescription"),
              L"Lumetrix - Beleuchtungsberechnung f\u00FCr R\u00E4ume");
    EXPECT_EQ(VersionString(record, L"InternalName"), L"Lumetrix");
    EXPECT_EQ(VersionString(record, L"ProductName"), L"Lumetrix");
    EXPECT_EQ(VersionString(record, L"FileVersion"), L"1, 3, 0, 0");
}

TEST(ResourceTest, ManifestAsksForCommonControls6) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

// The picture control takes the size of its bitmap, so every picture must fill the same area.
TEST(ResourceTest, PicturesAre379By159WithTheGenericOneIn16Colours) {
    const struct {
        int id;
        WORD bitsPerPixel;
    } pictures[] = {{IDB_PICTURE_NONE, 4}, {IDB_BEAM_ANGLE, 8},      {IDB_SOLID_ANGLE, 8},
                    {IDB_LIT_AREA, 8},     {IDB_HEIGHT, 8},          {IDB_DIAMETER, 8},
                    {IDB_ROOM_AREA, 8},    {IDB_ROOM_EFFICIENCY, 8}, {IDB_LAMP_EFFICIENCY, 8}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.id);
        HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(picture.id), MAKEINTRESOURCEA(2));
        ASSERT_NE(found, nullptr);
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
        EXPECT_EQ(header->biWidth, 379);
        EXPECT_EQ(header->biHeight, 159);
        EXPECT_EQ(header->biBitCount, picture.bitsPerPixel);
    }
}

} // namespace
