#!/usr/bin/env bash
# Takes the screenshots of the user manual (manual/images/*.png) from the
# running program: Aeriton under Xvfb with openbox and Greek regional
# settings, driven with xdotool as a user would drive it, each window captured
# with its frame (import -frame -window <id>).
#
#   bash manual/screenshots.sh [--exe build/release/aeriton] [--display :69] [--keep]
#
# The program runs from a scratch copy of its folder (executable, chart table,
# templates, manual) with a scratch home, so nothing of the user's is read or
# written and every run starts from the same empty state. The studies are the
# worked examples of the manual (chapters 6 and 8, manual/examples/).
#
# Every step waits for the window it expects, by its title, and stops with the
# step's name when it does not come: when a screen changes, the message says
# where the script must follow. Buttons are pressed by their keys; the few
# without one, and boxes, are clicked at positions relative to their window,
# measured on the screens (the table below).
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

display=":69"
exe=""
keep=0
while (($#)); do
  case "$1" in
    --exe) exe="$2"; shift 2 ;;
    --display) display="$2"; shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "usage: $0 [--exe PATH] [--display :N] [--keep]" >&2; exit 2 ;;
  esac
done
if [ -z "$exe" ]; then
  for candidate in build/release/aeriton build/asan/aeriton build/debug/aeriton; do
    [ -x "$candidate" ] && { exe="$candidate"; break; }
  done
fi
[ -n "$exe" ] && [ -x "$exe" ] || { echo "screenshots: no built aeriton (use --exe)" >&2; exit 2; }
out="$top/manual/images"
mkdir -p "$out"

# ---- window-relative click positions (x y), measured on the screens ----------
# (negative: from the right or bottom edge of the window). Buttons with a key
# (an underlined letter) are pressed by it instead: Alt with the letter's
# Latin twin on the Greek keyboard (Υ = y, Ψ = c, Θ = u, ...).
# Chart window (maximised, so screen positions): the mixed-air point M of the
# summer example, where the readout shows that state.
POS_CHART_READOUT="799 789"
# Two-state calculator (FrmPS): the buttons without a key and the boxes.
POS_CALC_RH_IN="718 258"      # Καθορισμός της Σχετικής Υγρασίας (inlet)
POS_CALC_DB_OUT="407 381"     # outlet dry bulb (TxtTDBout)
POS_CALC_RH_OUT="718 439"     # Καθορισμός της Σχετικής Υγρασίας (outlet)
POS_CALC_TITLE="99 44"        # the title label
# Designer register (FrmCLient): the first name of the list.
POS_REG_FIRST="182 78"
POS_REG_OK="651 254"          # OK
# ------------------------------------------------------------------------------

work=$(mktemp -d /tmp/aeriton-shots-XXXXXX)
program="$work/program"
mkdir -p "$program" "$work/home" "$work/run"
chmod 700 "$work/run"
bindir=$(dirname "$exe")
cp "$exe" "$program/"
for f in "$bindir"/aeriton-calc "$bindir"/Data.dat "$bindir"/*.xlsx "$bindir"/Aeriton.pdf; do
  [ -e "$f" ] && cp "$f" "$program/"
done

pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[$i]}" 2>/dev/null || true; done
  if [ "$keep" -eq 0 ]; then rm -rf "$work"; else echo "scratch folder kept: $work"; fi
}
trap cleanup EXIT

export DISPLAY="$display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

step="start"
fail() {
  import -window root "$work/failure.png" 2>/dev/null || true
  echo "screenshots: step '$step': $* (screen: $work/failure.png with --keep)" >&2
  exit 1
}

# Waits for a visible window whose title matches the pattern; prints its id.
# An optional second argument is the number of quarter seconds to wait.
win() {
  local pattern="$1" id="" tries="${2:-60}"
  for _ in $(seq 1 "$tries"); do
    id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { sleep 0.8; echo "$id"; return 0; }
    sleep 0.25
  done
  fail "no window '$pattern' (open: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
}
gone() {
  for _ in $(seq 1 40); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  fail "window '$1' stays open"
}
shot() {
  # Time for the screens under a closed window to repaint.
  sleep 1.2
  import -frame -window "$1" "$out/$2"
  echo "  $2"
}
# Clicks at x y inside a window; a negative x or y counts from its right or
# bottom edge (buttons along the bottom keep their place when a window grows).
click() {
  local id="$1" x y w h
  read -r x y <<<"$2"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  w=$WIDTH
  h=$HEIGHT
  ((x < 0)) && x=$((w + x))
  ((y < 0)) && y=$((h + y))
  xdotool mousemove --window "$id" "$x" "$y" click 1
  sleep 0.5
}
type_text() {
  # Greek characters are typed through a remapped key; slowly, or some are lost.
  xdotool type --delay 90 "$1"
  sleep 0.3
}
key() {
  xdotool key "$@"
  sleep 0.4
}

step="program start"
# Greek regional settings (SHOTS_LC_NUMERIC=C.UTF-8 keeps the rest Greek but
# shows numbers with a decimal point).
locale_env=(LANG=el_GR.UTF-8 LC_ALL=el_GR.UTF-8)
[ -n "${SHOTS_LC_NUMERIC:-}" ] && locale_env=(LANG=el_GR.UTF-8 LC_NUMERIC="$SHOTS_LC_NUMERIC")
(cd "$program" && env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PATH=/usr/bin:/bin \
  DISPLAY="$display" "${locale_env[@]}" ASAN_OPTIONS=detect_leaks=0 \
  ./aeriton >"$work/aeriton.log" 2>&1) &
pids+=($!)

step="season window"
season=$(win "Επιλογή Εποχής")
shot "$season" season.png
key Return

step="summer data screen"
summer=$(win "ΠΕΡΙΟΔΟΣ ΚΑΛΟΚΑΙΡΙΟΥ")
# Chapter 6, from the keyboard: Enter moves on from box to box.
for v in 35 40 26 50 25000 5000 2000; do
  type_text "$v"
  key Return
done
key alt+y  # ΨΥΧΡΟΜΕΤΡΙΚΟΙ ΥΠΟΛΟΓΙΣΜΟΙ: no title yet
step="missing title message"
msg=$(win "ΠΡΟΣΟΧΗ")
shot "$msg" message.png
key o
step="title window"
title=$(win "Θέμα - Τίτλος")
type_text "Γραφεία Αθήνας - Κεντρική Μονάδα"
shot "$title" title.png
key Return
gone "Θέμα - Τίτλος"
shot "$summer" summer-data.png

step="summer results"
key alt+y
results=$(win "Ψυχρομετρικοί Υπολογισμοί Αέρος")
shot "$results" summer-results-data.png
key ctrl+Tab
shot "$results" summer-results.png

step="diagnostic message"
xdotool keydown ctrl alt shift
sleep 0.3
xdotool keyup shift alt ctrl
diag=$(win "BF, ESHF")
shot "$diag" diagnostic.png
key Return
gone "BF, ESHF"

step="raise of the supply air"
key alt+a  # Αύξηση Θερμ. Τροφοδοσίας
raise=$(win "Αύξηση Θερμοκρασίας")
type_text "17"
shot "$raise" raise.png
key Escape
gone "Αύξηση Θερμοκρασίας"

step="fresh-air loads"
key alt+f  # Φορτία Νωπού Αέρα
fresh=$(win "Φορτία Νωπού Αέρα")
shot "$fresh" fresh-air-loads.png
key Return
gone "Φορτία Νωπού Αέρα"

step="unit diagram"
key alt+m  # Διάγραμμα Μονάδας
diagram=$(win "Σχηματική Διάταξη Θερμοκρασιών")
shot "$diagram" diagram-summer.png
key Escape
gone "Σχηματική Διάταξη Θερμοκρασιών"

step="psychrometric chart"
key alt+c  # Ψυχρομετρικός Χάρτης
chart=$(win "Psychrometric Diagram")
# The readout follows the mouse: over a point of the process it reads that state.
xdotool mousemove $POS_CHART_READOUT
sleep 1
shot "$chart" chart.png
key Escape
gone "Psychrometric Diagram"

step="print dialog"
key alt+e  # Εκτύπωση Αποτελεσμάτων
print=$(win "Εκτύπωση Αποτελεσμάτων")
shot "$print" print.png
key Escape
gone "Εκτύπωση Αποτελεσμάτων"

step="save the study"
key ctrl+Tab
key alt+a  # Αποθήκευση Μελέτης
files=$(win "Αρχείο")
type_text "Athens"
shot "$files" file-dialog.png
key Return
gone "Δημιουργία Αρχείου"
key alt+d  # << Δεδομένα
gone "Ψυχρομετρικοί Υπολογισμοί Αέρος"

step="change of season"
key alt+e  # ΕΞΟΔΟΣ ΑΠΟ ΤΑ ΔΕΔΟΜΕΝΑ
question=$(win "ΕΠΙΛΕΞΤΕ")
shot "$question" exit-question.png
key n  # No: change season
season=$(win "Επιλογή Εποχής")
key alt+x  # ΧΕΙΜΩΝΑΣ
key Return

step="winter data screen"
winter=$(win "ΠΕΡΙΟΔΟΣ ΧΕΙΜΩΝΑ")
# Chapter 8: outdoor 0 °C / 80 %, room 20 °C / 45 %, 30 000 W, Enter moving on.
for v in 0 80 20 45 30000; do
  type_text "$v"
  key Return
done
# Calculating without fresh air says so and puts the cursor in its box.
key alt+y
win "ΠΡΟΣΟΧΗ" >/dev/null
key o
gone "ΠΡΟΣΟΧΗ"
type_text "2000"
key Return
key alt+u  # Θέμα-Τίτλος της Μελέτης
title=$(win "Θέμα - Τίτλος")
type_text "Γραφεία Αθήνας - Χειμώνας"
key Return
gone "Θέμα - Τίτλος"
shot "$winter" winter-data.png

step="winter results"
key alt+y
wresults=$(win "Ψυχρομετρικοί Υπολογισμοί για Χειμώνα")
key ctrl+Tab
shot "$wresults" winter-results.png
key alt+m  # Διάγραμμα Μονάδας
diagram=$(win "Σχηματική Διάταξη Θερμοκρασιών")
shot "$diagram" diagram-winter.png
key Escape
gone "Σχηματική Διάταξη Θερμοκρασιών"
key alt+d  # << Δεδομένα
# Not saved: Yes / No / Cancel; No leaves without saving.
win "ΠΡΟΣΟΧΗ" >/dev/null
key n
gone "Ψυχρομετρικοί Υπολογισμοί για Χειμώνα"

step="two-state calculator"
key alt+s  # Στοιχειώδης Ψυχρομετρική Μεταβολή
calc=$(win "ΣΤΟΙΧΕΙΩΔΗΣ ΨΥΧΡΟΜΕΤΡΙΚΗ ΜΕΤΑΒΟΛΗ")
# Chapter 10.2: 3000 m³/h, inlet 28 °C / 50 %, outlet 14 °C / 90 %.
type_text "3000"
key Return
type_text "28"
click "$calc" "$POS_CALC_RH_IN"
type_text "50"
click "$calc" "$POS_CALC_DB_OUT"
type_text "14"
click "$calc" "$POS_CALC_RH_OUT"
type_text "90"
key alt+y  # Υπολογισμός
click "$calc" "$POS_CALC_TITLE"
type_text "Ψυκτικό Στοιχείο Αίθουσας Συνεδριάσεων"
key Return

step="designer register"
key alt+m  # Μελετητής
register=$(win "Μελετητές - Αρχείο Ονομάτων")
for name in "Ελένη Παπαδοπούλου, Διπλ. Μηχανολόγος Μηχανικός" \
            "Γιώργος Κωνσταντίνου, Μηχανολόγος Μηχανικός"; do
  key alt+n  # Νέο Όνομα
  type_text "$name"
  key alt+k  # Καταχώρηση στη Λίστα
  win "ΠΡΟΣΘΗΚΗ" >/dev/null
  key y
  gone "ΠΡΟΣΘΗΚΗ"
done
# The first name of the list, chosen with OK.
click "$register" "$POS_REG_FIRST"
click "$register" "$POS_REG_OK"
win "ΕΠΙΛΟΓΗ" >/dev/null
key y
gone "ΕΠΙΛΟΓΗ"
shot "$register" register.png
key alt+e  # Έξοδος
gone "Μελετητές - Αρχείο Ονομάτων"
shot "$calc" calculator.png
key alt+e  # ΕΞΟΔΟΣ
gone "ΣΤΟΙΧΕΙΩΔΗΣ ΨΥΧΡΟΜΕΤΡΙΚΗ ΜΕΤΑΒΟΛΗ"

step="exit"
key alt+e  # ΕΞΟΔΟΣ ΑΠΟ ΤΑ ΔΕΔΟΜΕΝΑ
win "ΕΠΙΛΕΞΤΕ" >/dev/null
key y
sleep 2
echo "screenshots written to manual/images"
