#!/usr/bin/env bash
# Screenshots under a virtual X server, in shots/: every tab with a bundled list loaded, at the
# designed size and enlarged (tab<n>-<size>.png), and the sequences a learner goes through:
# Tester then Lister, three picks, manual listing, the Open window, the About box (seq-*.png).
# It asks scripts/setup.sh for xvfb, imagemagick and xdotool.
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

start() { # tab speed
    printf '[Zorvel20]\nMRUF=%s|*|\nActiveTab=%s\nListerSpeed=%s\n' "$list" "$1" "$2" \
        >"$config/corvant/Zorvel.conf"
    build/bin/zorvel &
    app=$!
    sleep 2
    id=$(xdotool search --name 'Zorvel 2.0' | head -n 1)
}
stop() {
    kill "$app"
    wait "$app" 2>/dev/null || true
}
shot() { import -window root "shots/$1.png"; }
key() { xdotool key --window "$id" "$@"; sleep 0.5; }

for size in designed enlarged; do
    for tab in 1 2 3; do
        start "$tab" 0
        if [[ $size == enlarged ]]; then
            # 1500 twips (100 pixels) more each way.
            eval "$(xdotool getwindowgeometry --shell "$id")"
            xdotool windowsize "$id" $((WIDTH + 100)) $((HEIGHT + 100))
            sleep 1
        fi
        shot "tab$tab-$size"
        stop
    done
done

# Tester, three picks by key, then back to the Lister.
start 2 0
key 1
key 2
key 3
shot seq-three-picks
xdotool mousemove --window "$id" 60 75 click 1 # the Lister tab
sleep 1
shot seq-tester-then-lister
stop

# Manual listing: three entries by Enter.
start 1 6
key Return
key Return
key KP_Enter
shot seq-manual-listing
stop

# The Open window, its first folder opened.
start 1 0
xdotool windowfocus "$id" key alt+f
sleep 0.5
xdotool key o
sleep 1
xdotool key Right Down Right
sleep 0.5
shot seq-open-window
xdotool key Escape
stop

# The About box.
start 3 3
xdotool windowfocus "$id" key alt+h
sleep 0.5
xdotool key a
sleep 1
shot seq-about
stop
# A Quran-like list (Uthmani script, pause signs) in every offered face at three sizes, on the
# Lister (full text) and the Tester (header and choices): font-<face>-<zoom>-<tab>.png.
quran=$config/Quran.zva
cat >"$config/quran.txt" <<'TEXT'
بِسۡمِ ٱللَّهِ ٱلرَّحۡمَٰنِ ٱلرَّحِيمِ
ٱلۡحَمۡدُ لِلَّهِ رَبِّ ٱلۡعَٰلَمِينَ
ذَٰلِكَ ٱلۡكِتَٰبُ لَا رَيۡبَۛ فِيهِۛ هُدٗى لِّلۡمُتَّقِينَ
ٱلَّذِينَ يُؤۡمِنُونَ بِٱلۡغَيۡبِ وَيُقِيمُونَ ٱلصَّلَوٰةَ وَمِمَّا رَزَقۡنَٰهُمۡ يُنفِقُونَ
صِرَٰطَ ٱلَّذِينَ أَنۡعَمۡتَ عَلَيۡهِمۡ غَيۡرِ ٱلۡمَغۡضُوبِ عَلَيۡهِمۡ وَلَا ٱلضَّآلِّينَ
قِفَا نَبْكِ مِنْ ذِكْرَى حَبِيبٍ وَمَنْزِلِ	بِسِقْطِ اللِّوَى بَيْنَ الدَّخُولِ فَحَوْمَلِ
TEXT
build/bin/zorvel-list encode "$config/quran.txt" "$quran"
for face in Amiri "Amiri Quran" Scheherazade; do
    for zoom in 75 100 200; do
        for tab in 1 2; do
            printf '[Zorvel20]\nMRUF=%s|*|\nActiveTab=%s\nListerSpeed=0\n[Extras]\nArabicFont=%s\nZoom=%s\n' \
                "$quran" "$tab" "$face" "$zoom" >"$config/corvant/Zorvel.conf"
            build/bin/zorvel &
            app=$!
            sleep 2
            shot "font-${face// /}-$zoom-$tab"
            stop
        done
    done
done
echo "screenshots in shots/"
