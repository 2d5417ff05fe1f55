#!/bin/sh
# Writes the demo collection into FOLDER: three small DOS programs, their screenshots and
# descriptions, and a store FOLDER/config/Kavrel/Kavrel.conf that lists them.
# Usage: scripts/demo-collection.sh FOLDER
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$1/games" "$1/config/Kavrel"
folder="$(cd "$1" && pwd)"

# A DOS .COM program that prints one line and waits for a key:
#   mov ah,9 / mov dx,010Dh / int 21h   print the text at offset 010Dh, up to "$"
#   mov ah,0 / int 16h                  wait for a key
#   int 20h                             end
write_program() {
    printf '\264\011\272\015\001\315\041\264\000\315\026\315\040' > "$1"
    printf '%s\r\n$' "$2" >> "$1"
}

# title, file name, the line the program prints, the description
game_number=0
store="[Location]
DosBox=$(command -v dosbox || true)
[Options]
GExit=True
"
add_game() {
    game_number=$((game_number + 1))
    write_program "$folder/games/$2.COM" "$3"
    cp "$root/assets/demo/$2.gif" "$folder/games/$2.gif"
    printf '%s\n' "$4" > "$folder/games/$2.txt"
    store="$store[Game000$game_number]
GPath=$folder/games/$2.COM
GBmp=$folder/games/$2.gif
GText=$folder/games/$2.txt
GTitle=$1
GType=True
"
}

add_game "Cave Runner" CAVE "Cave Runner: the torch is lit. Press a key to leave the cave." \
"Cave Runner (demo)

Run through the caves under the old mine before the torch burns out.
This demo program only greets you; press a key in DOSBox to end it.

Kavrel wrote this program itself, byte by byte: thirteen bytes of code and one line of text."
add_game "Moon Garden" MOON "Moon Garden: the seeds are sown. Press a key to go home." \
"Moon Garden (demo)

Grow flowers in the low gravity of the moon and keep them alive through the long night.
This demo program only greets you; press a key in DOSBox to end it."
add_game "Star Courier" STAR "Star Courier: the parcel is delivered. Press a key to land." \
"Star Courier (demo)

Fly parcels between the stations of a small solar system, on time and in one piece.
This demo program only greets you; press a key in DOSBox to end it."

# A collection changed in the demo is kept; delete the folder to start afresh.
if [ ! -f "$folder/config/Kavrel/Kavrel.conf" ]; then
    printf '%s[Games]\nCount=%s\nLast=0\n' "$store" "$game_number" \
        > "$folder/config/Kavrel/Kavrel.conf"
fi
