# Sourced by the real-window scripts: follows a running game through its --trace file, so that a
# key is pressed once the scene that answers it has started, however slowly a loaded machine or a
# sanitized build gets there (fixed sleeps lose keys there: Escape pressed while the level still
# fades out never reaches the menu).
#
#   attendre_trace FICHIER MOTIF [N]   waits until N (default 1) lines of FICHIER match the
#                                      grep pattern MOTIF; returns 1 when the game ($pid) has
#                                      ended first or after 60 s
#   attendre_scene FICHIER NOM [N]     the same for the Nth start of scene NOM (menu, intro,
#                                      niveau1...), then half a second for the scene to settle
#   attendre_second_plan FICHIER       the intro's second shot, the first that takes Escape
# The game writes its trace a line at a time, so a line is there as soon as the event happened.

attendre_trace() {
  local fichier="$1" motif="$2" n="${3:-1}" i
  for ((i = 0; i < 600; i++)); do
    [ "$(grep -c -- "$motif" "$fichier" 2> /dev/null)" -ge "$n" ] 2> /dev/null && return 0
    kill -0 "$pid" 2> /dev/null || return 1
    sleep 0.1
  done
  return 1
}

attendre_scene() {
  attendre_trace "$1" "\"ev\":\"scene\",\"t\":[0-9]*,\"nom\":\"$2\"" "${3:-1}" || return 1
  sleep 0.5
}

attendre_second_plan() {
  attendre_trace "$1" '"ev":"plan","t":[0-9]*,"histoire":"intro","plan":2'
}

# From the start of the game to its intro: Return on each of the two splash pictures. A picture
# takes Return only after its first ten frames, and no event tells when: a second each.
passer_splash() {
  attendre_scene "$1" presentation || return 1
  sleep 0.5; xdotool key --clearmodifiers Return
  sleep 1; xdotool key --clearmodifiers Return
  attendre_scene "$1" intro
}
