#!/usr/bin/env bash
# Runs inside the virtual X server; see walk.sh.
set -euo pipefail

WORK="$(mktemp -d)"
export XDG_CACHE_HOME="$WORK/cache"
export XDG_RUNTIME_DIR="$WORK/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
step=0
APP_PID=""

cleanup() {
  if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then kill "$APP_PID" || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "e2e FAILED at step $step: $*" >&2
  import -window root "$SHOTS/failure.png" 2>/dev/null || true
  exit 1
}

# Every wait below is on what the next step needs, polled with a deadline:
# a window by name, a window gone, the clipboard, a file, a printed PDF.
# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds.
wait_for() {
  local tries=$(($1 * 20)) what="$2" i
  shift 2
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.05
  done
  fail "$what"
}

# The screen as raw pixels, to tell when it has stopped changing.
screen_sum() { import -window root rgb:- 2>/dev/null | md5sum; }
# Saves the screen once the windows have painted: two looks in a row agree.
shot() {
  step=$((step + 1))
  local name prev="" now i
  name=$(printf '%02d-%s.png' "$step" "$1")
  for ((i = 0; i < 20; i++)); do
    now=$(screen_sum)
    [ "$now" = "$prev" ] && break
    prev="$now"
    sleep 0.05
  done
  import -window root "$SHOTS/$name"
  echo "step $step: $1"
}

# The visible window whose title is exactly $1, waiting up to $2 seconds.
regex_of() { printf '%s' "$1" | sed 's/[][\\.^$*+?(){}|]/\\&/g'; }
find_window() { xdotool search --onlyvisible --name "^$(regex_of "$1")\$" 2>/dev/null | tail -1; }
wait_window() {
  local limit="${2:-10}" w="" i
  for ((i = 0; i < limit * 20; i++)); do
    w=$(find_window "$1" || true)
    if [ -n "$w" ]; then
      echo "$w"
      return 0
    fi
    sleep 0.05
  done
  fail "no window titled '$1'"
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q "Map State: IsViewable"; }
unmapped() { ! viewable "$1"; }
# The window, once it has the input focus (events sent after this reach it).
focus() { xdotool windowfocus --sync "$1"; }
click() { # window x y (client pixels)
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
keys() { xdotool key --clearmodifiers --delay 60 "$@"; }
typein() { xdotool type --clearmodifiers --delay 15 "$1"; }
# Answers the program's message box (title $1) with Enter, and waits until it
# has closed: until then the window under it takes no input.
answer_box() {
  local w
  w=$(wait_window "$1" "${2:-15}")
  focus "$w"
  shot "message-$(echo "$1" | tr -c 'A-Za-z0-9' '_')"
  keys Return
  wait_for 10 "the box '$1' stayed open" unmapped "$w"
}
# The text of the focused text box, through the clipboard: a marker goes in
# first, and the copy is there once the marker has been replaced.
MARK="-- the walk's clipboard marker --"
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copied() { [ "$(clipboard)" != "$MARK" ]; }
text_of_focus() {
  printf '%s' "$MARK" | xclip -i -selection clipboard >/dev/null 2>&1
  wait_for 5 "the clipboard took no marker" test "$(clipboard)" = "$MARK"
  keys ctrl+a ctrl+c
  wait_for 5 "nothing was copied from the focused box" copied
  clipboard
}
# Waits until the file exists and has reached the size of another one.
same_size() { [ -f "$1" ] && [ "$(stat -c %s "$1")" = "$(stat -c %s "$2")" ]; }

PASSWORD="Walk pw 42"
MESSAGE="Hello from the walk"
printf '%s\n' "$PASSWORD" >"$WORK/pw"

# --- Start-up: splash, intro, mode chooser -------------------------------
"$TESSERA_APP" &
APP_PID=$!
w=$(wait_window "Tessera 2.0" 10)
shot splash
intro=$(wait_window "Tessera" 12)
shot intro
click "$intro" 308 492         # the start button
chooser=$(wait_window "Tessera   v2.0" 5)
shot mode-chooser
click "$chooser" 52 220        # Advanced

# --- Advanced mode: encrypt with the button ------------------------------
main=$(wait_window "Tessera" 5)
focus "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
MENU=$((HEIGHT - 505))          # the menu bar above the 438 x 505 client area
click "$main" 100 $((MENU + 68))      # txtPW
typein "$PASSWORD"
click "$main" 100 $((MENU + 200))     # txtIn
typein "$MESSAGE"
click "$main" 100 $((MENU + 452))     # txtFile
keys ctrl+a
typein "$WORK/one.txt"
shot main-filled
click "$main" 388 $((MENU + 44))      # CmdEnc
answer_box "Tessera2"
[ -f "$WORK/one.txt" ] || fail "Encrypt wrote no file"
printf '%s' "$MESSAGE" | "$TESSERA_CLI" encrypt --password-file "$WORK/pw" --output "$WORK/expected.txt"
cmp "$WORK/one.txt" "$WORK/expected.txt" || fail "the window's message file differs from the CLI's"

# --- Encrypt again with F5, to another file ------------------------------
click "$main" 100 $((MENU + 452))
keys ctrl+a
typein "$WORK/two.txt"
keys F5
answer_box "Tessera2"
cmp "$WORK/two.txt" "$WORK/expected.txt" || fail "F5 wrote a different file"

# --- Clear, then decrypt with F6 and read the text back ------------------
focus "$main"
keys F7
shot cleared
click "$main" 100 $((MENU + 200))
# An empty box copies nothing: a mark typed into it must come back alone.
typein "#"
[ "$(text_of_focus)" = "#" ] || fail "Clear left text in the message box"
keys BackSpace
click "$main" 100 $((MENU + 68))
typein "$PASSWORD"
click "$main" 100 $((MENU + 452))
keys ctrl+a
typein "$WORK/one.txt"
keys F6
answer_box "Tessera2"
click "$main" 100 $((MENU + 200))
got="$(text_of_focus)"
[ "$got" = "$MESSAGE" ] || fail "decrypted '$got', expected '$MESSAGE'"
shot decrypted

# --- Print from the main window ------------------------------------------
PDF_DIR="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
check_pdf() { # waits for a new PDF holding $1, checks 14-point type
  local before="$2" pdf=""
  for _ in $(seq 1 300); do
    pdf=$(ls -t "$PDF_DIR"/*.pdf 2>/dev/null | head -1 || true)
    if [ -n "$pdf" ] && [ "$pdf" != "$before" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then break; fi
    pdf=""
    sleep 0.1
  done
  [ -n "$pdf" ] || fail "no PDF was printed"
  pdftotext "$pdf" - | grep -qF "$1" || fail "the PDF does not hold '$1'"
  # Word boxes of 14-point type are 14 to 20 points high.
  pdftotext -bbox "$pdf" - | awk '/<word /{ for(i=1;i<=NF;i++){ if($i~/^yMin=/){gsub(/[^0-9.]/,"",$i); y0=$i} if($i~/^yMax=/){gsub(/[^0-9.]/,"",$i); y1=$i} } h=y1-y0; if(h<12||h>21){bad=1} n++ } END{ exit (n>0 && !bad) ? 0 : 1 }' \
    || fail "the PDF's type is not 14 points"
  echo "$pdf"
}
# A queue to print to: a running scheduler with a default destination that
# accepts jobs (lpstat -d alone still names one when the scheduler is down).
printer_ready() {
  lpstat -r 2>/dev/null | grep -q "scheduler is running" || return 1
  local dest
  dest=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
  [ -n "$dest" ] && lpstat -a "$dest" 2>/dev/null | grep -q "accepting requests"
}
PRINTER=no
if printer_ready; then PRINTER=yes; fi
if [ "$PRINTER" = yes ]; then
  last_pdf=$(ls -t "$PDF_DIR"/*.pdf 2>/dev/null | head -1 || true)
  focus "$main"
  keys ctrl+p
  last_pdf=$(check_pdf "$MESSAGE" "$last_pdf")
  shot printed
else
  echo "no printer queue here: the main window's print step skipped"
  last_pdf=""
fi

# --- The wizard's decryption path to the result window -------------------
focus "$main"
keys F3
chooser=$(wait_window "Tessera   v2.0" 5)
click "$chooser" 52 148         # Tessera Wizard
encdec=$(wait_window "Do you want to Encrypt or Decrypt?" 5)
shot wizard-first-page
click "$encdec" 276 156         # Decrypt
pwpage=$(wait_window "Enter Password" 5)
focus "$pwpage"
typein "$PASSWORD"
keys Tab
typein "$PASSWORD"
shot wizard-password
keys Return
filepage=$(wait_window "File to read or create" 5)
focus "$filepage"
keys ctrl+a
typein "$WORK/one.txt"
keys Return
ps=$(wait_window "Which would you like?" 5)
focus "$ps"
if [ "$PRINTER" = yes ]; then
  click "$ps" 216 88             # tick "Print Text" as well as "View Text"
else
  echo "no printer queue here: the wizard's print step skipped"
fi
shot wizard-print-view
click "$ps" 236 144              # Next
finish=$(wait_window "Finish" 5)
focus "$finish"
shot wizard-finish
click "$finish" 240 112          # Finish
answer_box "Tessera2"
result=$(wait_window "File Compile" 5)
shot wizard-result
if [ -n "$last_pdf" ]; then check_pdf "$MESSAGE" "$last_pdf" >/dev/null; fi
click "$result" 60 244          # Go Back to Wizard
chooser=$(wait_window "Tessera   v2.0" 5)
click "$chooser" 52 220         # Advanced
main=$(wait_window "Tessera" 5)

# --- The file encryption window on a real file ---------------------------
head -c 300000 /dev/urandom >"$WORK/plain.bin"
focus "$main"
click "$main" 388 $((MENU + 360))     # cmdFileEnc
enc=$(wait_window "Encrypt a File using Binary" 5)
focus "$enc"
typein "$PASSWORD"
click "$enc" 100 92             # txtFile
typein "$WORK/plain.bin"
click "$enc" 150 196            # txtFileEnc
keys ctrl+a
typein "$WORK/copy.bin"
shot file-window
click "$enc" 60 132             # Encrypt
answer_box "Tessera2" 30
wait_for 5 "the window's copy did not reach the file's size" same_size "$WORK/copy.bin" "$WORK/plain.bin"
"$TESSERA_CLI" encrypt-file --password-file "$WORK/pw" "$WORK/plain.bin" "$WORK/copy-cli.bin"
cmp "$WORK/copy.bin" "$WORK/copy-cli.bin" || fail "the window's copy differs from the CLI's"

# --- Exit with Escape from the main window -------------------------------
focus "$main"
keys Escape
ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
wait_for 5 "the program did not end on Escape" ended
wait "$APP_PID" || fail "the program ended with status $?"
APP_PID=""
echo "1 passed, 0 failed"
