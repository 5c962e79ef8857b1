#!/usr/bin/env bash
# Writes the bash completion of rodedizevad-cli from its usage lines ("$1 help"),
# which come from the command table: the commands, each one's options, and
# folders or files after the options whose value is a DIR, a NAME or a FILE.
set -euo pipefail
"$1" help | awk '
  /^$/ { exit }
  {
    n = split($0, w, " ")
    for (i = 1; i <= n; i++) {
      if (w[i] == "rodedizevad-cli") {
        cmd = w[i + 1]
        if (cmd !~ /^--/ && !(cmd in opts)) { order[++count] = cmd; opts[cmd] = "" }
        i++
        continue
      }
      word = w[i]; gsub(/[][]/, "", word)
      if (word !~ /^--/ || cmd ~ /^--/) continue
      k = split(word, names, "|")
      for (j = 1; j <= k; j++) if (!((cmd, names[j]) in seen)) { seen[cmd, names[j]] = 1; opts[cmd] = opts[cmd] names[j] " " }
      if (w[i] ~ /\]$/ || w[i] ~ /\|/ || i == n) continue
      value = w[i + 1]; gsub(/[][]/, "", value)
      if (value ~ /^--/) continue
      i++
      if (value == "DIR") dirs[word] = 1
      else if (value == "NAME" || value ~ /^FILE/) files[word] = 1
    }
  }
  END {
    print "# bash completion for rodedizevad-cli, made from its command table by the build"
    print "_rodedizevad_cli() {"
    print "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} words=\"\""
    d = ""; for (o in dirs) d = d (d ? "|" : "") o
    f = ""; for (o in files) f = f (f ? "|" : "") o
    print "  case $prev in"
    if (d) print "    " d ") COMPREPLY=($(compgen -d -- \"$cur\")); return ;;"
    if (f) print "    " f ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;"
    print "  esac"
    all = ""; for (i = 1; i <= count; i++) all = all (all ? " " : "") order[i]
    print "  if ((COMP_CWORD == 1)); then"
    print "    words=\"" all " --help --version\""
    print "  else"
    print "    case ${COMP_WORDS[1]} in"
    for (i = 1; i <= count; i++) {
      c = order[i]
      print "      " c ") words=\"" (c == "help" ? all : opts[c] "--help") "\" ;;"
    }
    print "    esac"
    print "  fi"
    print "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))"
    print "}"
    print "complete -F _rodedizevad_cli rodedizevad-cli"
  }'
