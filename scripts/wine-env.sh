# Sourced by the other scripts: the project's own Wine environment. Creates the prefix on first use (a few
# seconds) with the Chinese font substitutes and Wine-drawn window frames, then only exports variables.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${HUECAST_WINEPREFIX:-$root/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and their installers would ask on first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
export LANG=zh_CN.UTF-8

# The prefix's settings below carry this number in the stamp; change it with them, and existing prefixes
# take the new settings on their next use instead of keeping the old ones.
huecast_wine_settings_version=3

huecast_wine_prefix() {
    local stamp="$WINEPREFIX/.huecast-ready"
    [ "$(cat "$stamp" 2>/dev/null)" = "$huecast_wine_settings_version" ] && return 0
    mkdir -p "$WINEPREFIX"
    # Tests start many programs at once: one of them sets the prefix up, the others wait for it.
    exec {lock}>"$WINEPREFIX/.huecast-lock"
    flock "$lock"
    if [ "$(cat "$stamp" 2>/dev/null)" != "$huecast_wine_settings_version" ]; then
        # A prefix made before the 32-bit Wine was installed cannot start any program afterwards: make it anew.
        if [ -f "$WINEPREFIX/system.reg" ] && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; then
            wineserver -k 2>/dev/null || true
            find "$WINEPREFIX" -mindepth 1 -maxdepth 1 ! -name .huecast-lock -exec rm -rf {} +
        fi
        [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 || true
        huecast_wine_settings
        echo "$huecast_wine_settings_version" >"$stamp"
    fi
    flock -u "$lock"
    exec {lock}>&-
}

huecast_wine_settings() {
    local reg
    # Debian keeps Wine's own TrueType faces in /usr/share/wine/fonts, where its multiarch Wine does not look
    # (its data folder is computed relative to the library folder and misses it): the system's caption
    # buttons then draw Marlett's letters "0 1 r" in another face. Windows keeps these faces in its Fonts
    # folder, and so does the prefix. The bitmap system faces stay Wine's built-in ones.
    local face
    for face in marlett tahoma tahomabd ms_sans_serif symbol webdings wingding; do
        cp -f "/usr/share/wine/fonts/$face.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
    done
    reg="$(mktemp --suffix=.reg)"
    # Every Chinese face the program names, and the faces Wine's dialogs, tooltips and message boxes draw
    # Chinese in, resolve to WenQuanYi Micro Hei: it draws every stroke at 12 pixels.
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for face in "宋体" "SimSun" "新宋体" "NSimSun" "黑体" "SimHei" "楷体_GB2312" "KaiTi_GB2312" "隶书" "LiSu" \
                    "仿宋_GB2312" "幼圆" "微软雅黑" "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2"; do
            printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    } | iconv -f UTF-8 -t GBK >"$reg"
    wine regedit "$reg" >/dev/null 2>&1
    rm -f "$reg"
    wineserver -w
}
