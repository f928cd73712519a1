#!/usr/bin/env bash
# Screenshots of every tab with a bundled list loaded, at the designed size and enlarged, under
# a virtual X server: shots/tab<n>-<size>.png. It asks scripts/setup.sh for xvfb, imagemagick
# and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth imagemagick xdotool
scripts/build.sh >/dev/null
mkdir -p shots
list=${1:-"$PWD/build/bin/Arabic/Poetry/Mutanabbi.zva"}
config=$(mktemp -d)
trap 'rm -rf "$config"; kill "$xvfb" 2>/dev/null || true' EXIT
Xvfb :97 -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:97 XDG_CONFIG_HOME="$config"
mkdir -p "$config/corvant"
for size in designed enlarged; do
    for tab in 1 2 3; do
        printf '[Zorvel20]\nMRUF=%s|*|\nActiveTab=%s\nListerSpeed=0\n' "$list" "$tab" \
            >"$config/corvant/Zorvel.conf"
        build/bin/zorvel &
        app=$!
        sleep 2
        if [[ $size == enlarged ]]; then
            # 1500 twips (100 pixels) more each way.
            id=$(xdotool search --name 'Zorvel 2.0' | head -n 1)
            eval "$(xdotool getwindowgeometry --shell "$id")"
            xdotool windowsize "$id" $((WIDTH + 100)) $((HEIGHT + 100))
            sleep 1
        fi
        import -window root "shots/tab$tab-$size.png"
        kill "$app"
        wait "$app" 2>/dev/null || true
    done
done
echo "screenshots in shots/"
