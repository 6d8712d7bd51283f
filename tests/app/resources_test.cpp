// What huecast.exe carries in its resources: the built-in skins, complete, and the version information.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/format/skin_data.h"
#include "skin/format/win32/stored_skin_resource.h"
#include "tests/app/huecast_driver.h"

namespace huecast::testing {
namespace {

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

TEST(Resources, TheProgramCarriesBothBuiltInSkinsWithEveryControl) {
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> exe(
        LoadLibraryExA(BuiltHuecastExe().string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(exe);
    for (const auto& [folder, name] : {std::pair{"", "Orange"}, std::pair{"basalt", "Basalt"}}) {
        skin::TSkinData data;
        data.LoadFromStoredSkin(skin::LoadStoredSkinResource(exe.get(), "skin.ini", folder));
        EXPECT_FALSE(data.Empty());
        EXPECT_EQ(data.SkinName(), name);
        EXPECT_EQ(data.Controls().size(), 59u);
    }
}

TEST(Resources, TheIconComesInSixteenThirtyTwoAndFortyEightPixels) {
    std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> exe(
        LoadLibraryExA(BuiltHuecastExe().string().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(exe);
    for (const int size : {16, 32, 48}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(LoadImageA(exe.get(), "MAINICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, size);
        EXPECT_EQ(bitmap.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Resources, VersionInformationNamesHuecastTwoPointFour) {
    const std::string path = BuiltHuecastExe().string();
    DWORD ignored = 0;
    std::vector<char> block(GetFileVersionInfoSizeA(path.c_str(), &ignored));
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &size));
    EXPECT_EQ(info->dwFileVersionMS, 0x00020004u);
    EXPECT_EQ(info->dwFileVersionLS, 0u);
    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\080404b0\\ProductName",
                               reinterpret_cast<void**>(&product), &size));
    EXPECT_STREQ(product, "Huecast");
}

}  // namespace
}  // namespace huecast::testing
