// ArtPaths: every embedded picture of the program, with its size in device-independent pixels.
#pragma once

// One embedded picture. Where `hasDouble` is set, "<name>@2x.png" beside it holds the same
// picture at twice the size for 2x displays (artPixmap in ArtPixmap.h picks it).
// resources/art.cmake and the artwork generator read the lines below, so keep each entry
// on one line in the form  {":/art/<file>", width, height, hasDouble}.
struct ArtImage {
    const char* path;
    int width;
    int height;
    bool hasDouble;
};

namespace Art {
// Navigation screens: the full child area of the main window above the toolbar strip.
inline constexpr ArtImage Home{":/art/home.png", 1024, 567, true};
inline constexpr ArtImage Menu{":/art/menu.png", 1024, 567, true};
// Background of every game window, and the end-of-game picture of the result dialog
// (the same 4:3 shape as the word pictures it stands in for).
inline constexpr ArtImage Screen{":/art/screen.png", 1024, 567, true};
inline constexpr ArtImage Congrats{":/art/congrats.png", 800, 600, false};
// The splash window's picture: the kite over the hills with the program's name, corners transparent.
inline constexpr ArtImage Splash{":/art/splash.png", 180, 230, true};
// Background of the toolbar strip along the bottom of the main window.
inline constexpr ArtImage Strip{":/art/strip.png", 1024, 56, true};

// The program's icon; icon.svg is the same drawing for any size.
inline constexpr ArtImage Icon{":/art/icon.png", 256, 256, false};
inline constexpr ArtImage IconSvg{":/art/icon.svg", 256, 256, false};
inline constexpr ArtImage Icon16{":/art/icon-16.png", 16, 16, false};
inline constexpr ArtImage Icon24{":/art/icon-24.png", 24, 24, false};
inline constexpr ArtImage Icon32{":/art/icon-32.png", 32, 32, false};
inline constexpr ArtImage Icon48{":/art/icon-48.png", 48, 48, false};
inline constexpr ArtImage Icon64{":/art/icon-64.png", 64, 64, false};
inline constexpr ArtImage Icon128{":/art/icon-128.png", 128, 128, false};
inline constexpr ArtImage Icon256{":/art/icon-256.png", 256, 256, false};

// Image button faces. The disabled face is flat in the control's background colour
// (250, 220, 103), so a caption drawn in that colour vanishes on it.
inline constexpr ArtImage ButtonNormal{":/art/button-normal.png", 148, 37, true};
inline constexpr ArtImage ButtonHover{":/art/button-hover.png", 148, 37, true};
inline constexpr ArtImage ButtonPressed{":/art/button-pressed.png", 148, 37, true};
inline constexpr ArtImage ButtonDisabled{":/art/button-disabled.png", 148, 37, true};

// Toolbar button faces: kinds social, home, menu, about, settings; faces normal, hover, pressed.
// Transparent outside the round badge, so they sit on the strip.
inline constexpr ArtImage BarSocialNormal{":/art/bar-social-normal.png", 56, 51, true};
inline constexpr ArtImage BarSocialHover{":/art/bar-social-hover.png", 56, 51, true};
inline constexpr ArtImage BarSocialPressed{":/art/bar-social-pressed.png", 56, 51, true};
inline constexpr ArtImage BarHomeNormal{":/art/bar-home-normal.png", 56, 51, true};
inline constexpr ArtImage BarHomeHover{":/art/bar-home-hover.png", 56, 51, true};
inline constexpr ArtImage BarHomePressed{":/art/bar-home-pressed.png", 56, 51, true};
inline constexpr ArtImage BarMenuNormal{":/art/bar-menu-normal.png", 56, 51, true};
inline constexpr ArtImage BarMenuHover{":/art/bar-menu-hover.png", 56, 51, true};
inline constexpr ArtImage BarMenuPressed{":/art/bar-menu-pressed.png", 56, 51, true};
inline constexpr ArtImage BarAboutNormal{":/art/bar-about-normal.png", 56, 51, true};
inline constexpr ArtImage BarAboutHover{":/art/bar-about-hover.png", 56, 51, true};
inline constexpr ArtImage BarAboutPressed{":/art/bar-about-pressed.png", 56, 51, true};
inline constexpr ArtImage BarSettingsNormal{":/art/bar-settings-normal.png", 56, 51, true};
inline constexpr ArtImage BarSettingsHover{":/art/bar-settings-hover.png", 56, 51, true};
inline constexpr ArtImage BarSettingsPressed{":/art/bar-settings-pressed.png", 56, 51, true};

// Toolbar faces by the button's kind number (1 social, 2 home, 3 menu, 4 about, 5 settings)
// minus one, then by face state (0 normal, 1 hover, 2 pressed).
inline constexpr ArtImage BarFaces[5][3] = {
    {BarSocialNormal, BarSocialHover, BarSocialPressed},
    {BarHomeNormal, BarHomeHover, BarHomePressed},
    {BarMenuNormal, BarMenuHover, BarMenuPressed},
    {BarAboutNormal, BarAboutHover, BarAboutPressed},
    {BarSettingsNormal, BarSettingsHover, BarSettingsPressed},
};

// Small pictures the game windows put where the learner clicks: back to the game menu,
// hear the word again, browse one card back or forward.
inline constexpr ArtImage Close{":/art/close.png", 88, 80, true};
inline constexpr ArtImage Play{":/art/play.png", 37, 37, true};
inline constexpr ArtImage Prev{":/art/prev.png", 49, 37, true};
inline constexpr ArtImage Next{":/art/next.png", 49, 37, true};

inline constexpr ArtImage All[] = {
    Home,
    Menu,
    Screen,
    Congrats,
    Splash,
    Strip,
    Icon,
    IconSvg,
    Icon16,
    Icon24,
    Icon32,
    Icon48,
    Icon64,
    Icon128,
    Icon256,
    ButtonNormal,
    ButtonHover,
    ButtonPressed,
    ButtonDisabled,
    BarSocialNormal,
    BarSocialHover,
    BarSocialPressed,
    BarHomeNormal,
    BarHomeHover,
    BarHomePressed,
    BarMenuNormal,
    BarMenuHover,
    BarMenuPressed,
    BarAboutNormal,
    BarAboutHover,
    BarAboutPressed,
    BarSettingsNormal,
    BarSettingsHover,
    BarSettingsPressed,
    Close,
    Play,
    Prev,
    Next,
};
} // namespace Art
