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

huecast_wine_prefix() {
    local stamp="$WINEPREFIX/.huecast-ready"
    [ -f "$stamp" ] && return 0
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    local reg
    reg="$(mktemp --suffix=.reg)"
    # Every Chinese face the program names resolves to WenQuanYi Zen Hei.
    {
        printf 'REGEDIT4\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for face in "宋体" "SimSun" "新宋体" "NSimSun" "黑体" "SimHei" "楷体_GB2312" "KaiTi_GB2312" "隶书" "LiSu" \
                    "仿宋_GB2312" "幼圆"; do
            printf '"%s"="WenQuanYi Zen Hei"\r\n' "$face"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
    } | iconv -f UTF-8 -t GBK >"$reg"
    wine regedit "$reg" >/dev/null 2>&1
    rm -f "$reg"
    wineserver -w
    touch "$stamp"
}
