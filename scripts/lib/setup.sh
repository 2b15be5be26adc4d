# Shared by scripts/test, scripts/run and scripts/benchmark: installs the Debian 12
# packages the build needs and configures and builds the tree.
#
# Source it from a bash script that runs with `set -euo pipefail`:
#     source "$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")/lib/setup.sh"
# It changes to the repository root and defines:
#     TK9400_REPO        absolute path of the repository
#     TK9400_BUILD_DIR   build/ (build-asan/ when TK9400_SANITIZE=1), relative to the root
#     tk9400_install_packages   installs what is missing (apt-get, as root or through sudo)
#     tk9400_configure          cmake configure of TK9400_BUILD_DIR
#     tk9400_build              builds everything with all cores
#     tk9400_sanitizer_env      sanitizer options for the programs the build made
#     tk9400_setup              all of the above in order
#     tk9400_port_in_use PORT   true when something accepts connections on 127.0.0.1:PORT
#     tk9400_stop_process PID   ends a process the calling script started

TK9400_REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$TK9400_REPO" || exit 1

if [[ "${TK9400_SANITIZE:-0}" == 1 ]]; then
    TK9400_BUILD_DIR=build-asan
    TK9400_CMAKE_EXTRA=(-DTK9400_SANITIZE=ON)
else
    TK9400_BUILD_DIR=build
    TK9400_CMAKE_EXTRA=()
fi

# Everything needed to build, test and run on the host. libqt5gui5 (pulled in by
# qtbase5-dev) carries the xcb, offscreen and vnc platform plugins; the media player
# plays WAV files through GStreamer's WAV reader (plugins-good) and ALSA output; Xvfb and
# x11vnc give scripts/run a screen on machines without a display, and xdotool drives the
# keys and touches of the tests that run under one. The device's font
# covers every script of the catalogues; on the PC scripts/fontconfig/fonts.conf stands
# Liberation Sans (Arial's widths) in for it, with DejaVu (Latin, Cyrillic) and Noto CJK
# (Chinese, Japanese, Korean) behind, so texts take their room and none shows as boxes.
TK9400_PACKAGES=(
    cmake ninja-build g++
    qtbase5-dev qtmultimedia5-dev libqt5multimedia5-plugins libqt5serialport5-dev
    qtpositioning5-dev qttools5-dev qttools5-dev-tools
    libasound2-dev fonts-dejavu-core fonts-liberation2 fonts-noto-cjk python3
    gstreamer1.0-alsa gstreamer1.0-plugins-good
    xvfb x11vnc xdotool
)

# The PC has no sound card: the ALSA devices of everything started from here (the
# program, its tests) come from the project's own configuration, which plays into and
# records from files. Never installed into the system.
export ALSA_CONFIG_PATH="$TK9400_REPO/scripts/alsa/asound-host.conf"
# The device's font, as near as a PC has it (see the packages above).
export FONTCONFIG_FILE="$TK9400_REPO/scripts/fontconfig/fonts.conf"
# The simulated codec behind the mixer of the card "default" (built in HostTools/alsa).
export TK9400_CODEC_PLUGIN="${TK9400_CODEC_PLUGIN:-$TK9400_REPO/$TK9400_BUILD_DIR/HostTools/libasound_module_ctl_codecsim.so}"

tk9400_log() {
    if [[ -t 2 ]]; then
        printf '\033[1m==> %s\033[0m\n' "$*" >&2
    else
        printf '==> %s\n' "$*" >&2
    fi
}

tk9400_install_packages() {
    local missing=() pkg status
    local -A installed=()
    # One query for all of them (one a package costs seconds on a busy machine).
    while read -r pkg status; do
        [[ "$status" == installed ]] && installed[$pkg]=1
    done < <(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${TK9400_PACKAGES[@]}" 2>/dev/null)
    for pkg in "${TK9400_PACKAGES[@]}"; do
        [[ -n "${installed[$pkg]:-}" ]] || missing+=("$pkg")
    done
    if ((${#missing[@]} == 0)); then
        return 0
    fi

    local sudo=()
    if ((EUID != 0)); then
        if ! command -v sudo >/dev/null; then
            echo "missing packages: ${missing[*]}" >&2
            echo "install them as root: apt-get install ${missing[*]}" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    tk9400_log "installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

tk9400_configure() {
    local cache="$TK9400_BUILD_DIR/CMakeCache.txt"
    # A build directory made with another generator cannot be reused: start it afresh.
    if [[ -f "$cache" ]] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache"; then
        tk9400_log "$TK9400_BUILD_DIR was configured with another generator; configuring it afresh"
        rm -rf "$cache" "$TK9400_BUILD_DIR/CMakeFiles"
    fi
    # ccache, when the machine has it, keeps rebuilds of unchanged sources cheap.
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    local args=(-S . -B "$TK9400_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
        "${TK9400_CMAKE_EXTRA[@]}")
    # Configured with the same arguments before: the build itself runs CMake again when a
    # CMakeLists.txt or a globbed directory changed, so a second start skips the seconds
    # a configure takes.
    local stamp="$TK9400_BUILD_DIR/configured-with"
    if [[ -f "$cache" && -f "$TK9400_BUILD_DIR/build.ninja" && -f "$stamp" && "$(<"$stamp")" == "${args[*]}" ]]; then
        return 0
    fi
    rm -f "$stamp"
    tk9400_log "configuring $TK9400_BUILD_DIR"
    cmake "${args[@]}"
    echo "${args[*]}" >"$stamp"
}

# tk9400_build [TARGET...]: everything, or only the named targets the tree defines (a
# simulator that is not written yet is skipped).
tk9400_build() {
    if (($# == 0)); then
        tk9400_log "building $TK9400_BUILD_DIR"
        cmake --build "$TK9400_BUILD_DIR" -j "$(nproc)"
        return
    fi
    local wanted=()
    mapfile -t wanted < <(ninja -C "$TK9400_BUILD_DIR" -t targets all 2>/dev/null | cut -d: -f1 |
        grep -xF -f <(printf '%s\n' "$@"))
    tk9400_log "building ${wanted[*]} in $TK9400_BUILD_DIR"
    cmake --build "$TK9400_BUILD_DIR" -j "$(nproc)" --target "${wanted[@]}"
}

# In a sanitizer build: undefined behaviour ends the program like a memory error does,
# and the leaks inside Qt that scripts/lsan.supp names are not reported.
tk9400_sanitizer_env() {
    [[ "${TK9400_SANITIZE:-0}" == 1 ]] || return 0
    local suppressions="$TK9400_REPO/scripts/lsan.supp"
    export ASAN_OPTIONS="fast_unwind_on_malloc=0:detect_stack_use_after_return=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
}

# tk9400_setup [TARGET...]: packages, configure, build (everything or the targets named).
tk9400_setup() {
    tk9400_install_packages
    tk9400_configure
    tk9400_build "$@"
    tk9400_sanitizer_env
}

tk9400_port_in_use() {
    (: <>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# Whether something listens on TCP port $1 and every such socket is bound to the
# loopback address (127.0.0.1, ::1 or its IPv4-mapped form), from /proc/net/tcp{,6}.
tk9400_listens_on_loopback_only() {
    local port
    port=$(printf '%04X' "$1")
    awk -v port="$port" '
        FNR > 1 && $4 == "0A" {
            n = split($2, a, ":")
            if (a[n] != port) next
            found = 1
            if (a[1] != "0100007F" && a[1] != "00000000000000000000000001000000" &&
                a[1] != "0000000000000000FFFF00000100007F") exposed = 1
        }
        END { exit !(found && !exposed) }' /proc/net/tcp /proc/net/tcp6 2>/dev/null
}

# tk9400_start_display LOGDIR [XVFB_ARG...]: a virtual X display (Xvfb) of the screen's
# size on a free display number, which the server chooses itself (-displayfd), so that
# servers started at once by parallel tests never share one. Sets DISPLAY and appends the
# server's process id to tk9400_display_pids; fails when no server comes up.
tk9400_display_pids=()
tk9400_start_display() {
    local logs=$1 i pid n=
    shift
    # Made empty before the server starts: the shell that starts it in the background opens
    # the file only when it runs, which may be after the first read below.
    : >"$logs/display"
    Xvfb -displayfd 3 -screen 0 480x272x24 -nolisten tcp "$@" 3>"$logs/display" >"$logs/Xvfb.log" 2>&1 &
    pid=$!
    for ((i = 0; i < 100; i++)); do
        # The number and its line end come when the server listens.
        read -r n <"$logs/display" 2>/dev/null && [[ -n "$n" ]] && break
        n=
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if [[ -z "$n" ]] || ! kill -0 "$pid" 2>/dev/null; then
        tk9400_stop_process "$pid"
        echo "Xvfb did not start; see $logs/Xvfb.log" >&2
        return 1
    fi
    tk9400_display_pids+=("$pid")
    export DISPLAY=":$n"
}

# tk9400_start_vnc_display PORT LOGDIR: tk9400_start_display, served over VNC on
# 127.0.0.1:PORT only (x11vnc -localhost, no password: nothing but this machine can reach
# it). Appends the VNC server's process id to tk9400_display_pids too; fails when the
# server is reachable from elsewhere.
tk9400_start_vnc_display() {
    local port=$1 logs=$2 i
    tk9400_start_display "$logs" || return 1
    x11vnc -display "$DISPLAY" -localhost -rfbport "$port" -nopw -forever -shared -quiet >"$logs/x11vnc.log" 2>&1 &
    tk9400_display_pids+=($!)
    for ((i = 0; i < 250; i++)); do
        tk9400_port_in_use "$port" && break
        sleep 0.02
    done
    if ! tk9400_listens_on_loopback_only "$port"; then
        echo "the VNC server on port $port is not bound to the loopback address only; see $logs/x11vnc.log" >&2
        return 1
    fi
}

# TERM, then KILL when the process has not gone after 5 s.
tk9400_stop_process() {
    local pid=$1 i
    kill "$pid" 2>/dev/null || return 0
    for ((i = 0; i < 50; i++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# A simulated instrument leaves the factory paired with the simulated sensor unit and
# headphones (the addresses bt-module-sim answers to), so it links up on its very first
# start. Writes ROOT/home/root/settings.ini with every key at its reset value unless the
# file exists; the program rewrites it in its own order on the first change.
tk9400_seed_paired_settings() {
    local settings="$1/home/root/settings.ini"
    [[ -e "$settings" ]] && return 0
    cat >"$settings" <<'INI'
[Bluetooth]
Headphone_Name=Headphones
Headphone_ID=02:00:00:00:48:01
Microphone_Name=QJ-5
Microphone_ID=02:00:00:00:51:01

[Debug]
Debugfeatures=0

[Local-Settings]
Language=1
Timezone=Berlin (+1 h)
TimezoneNum=13
TimezoneOffset=3600
DaylightSavingTime=0
Dateformat=DDMMYYYY
DateTimeSource=GPS

[Systemsettings]
Switchmode=Switch
FavouriteButton=2
Brightness=6
PowerOffTime=3600
DisplayOffTime=600
HearingProtection=false
HeadphoneVolumeOffset=0

[Dialogconfiguration]
LevelMeasurement_ShowFft=true
LevelMeasurement_ShowFrequencyValue=true
LevelMeasurement_UseFrequencyColorForLevelbar=false
LevelMeasurement_ShowPeakLevelBar=false
Pinpointing_ShowFrequencyValue=true
Pinpointing_UseFrequencyColorForLevelbar=false
Pinpointing_ShowFilterParameter=true
Pinpointing_DynamicScaling=true
Longterm_ShowFrequencyValue=true
Longterm_UseFrequencyColorForLevelbar=false
Longterm_ShowGrid=true
Longterm_ShowFilterParameter=true
H2Sensor_ShowHistogram=true
H2Sensor_ShowGrid=false
H2Sensor_DynamicScaling=true
H2Sensor_ShowWorkingRange=false
Pipelocating_ShowFft=false
Pipelocating_UseFrequencyColorForLevelbar=false
Pipelocating_ShowFrequencyValue=true
Pipelocating_ShowFilterParameter=true
Startup_UseFavouriteForStartup=false
Startup_UseFilterForStartup=false
Startup_UseGpsForStartup=true
INI
}
