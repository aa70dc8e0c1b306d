#!/bin/sh
# Each library's test program builds that library and those under it, nothing above: no
# executable, no window library, no Qt where the library uses none. (calc_tests, app_tests
# and reliability_tests start the executable, and so build it.) A scratch configuration
# of the repository, and the commands ninja would run to build each test program from
# nothing (none of them is run, so this takes seconds).
#
#   alone_test.sh SOURCE_DIR
set -u
source_dir="$1"
command -v ninja >/dev/null 2>&1 || { echo "SKIP ninja is missing"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
if ! cmake -S "$source_dir" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
     >"$scratch/configure.log" 2>&1; then
  cat "$scratch/configure.log"
  echo "FAIL the scratch configuration"
  exit 1
fi
failed=0

# What building `program` from nothing makes, one name a line: the targets whose objects or
# archives it compiles, "zentova" for the executable, "moc" for Qt's code generator, "Qt"
# for any Qt header or library on a command line.
built() {
  ninja -C "$scratch/build" -t commands "$1" >"$scratch/commands" 2>"$scratch/error" || {
    cat "$scratch/error"
    return 1
  }
  grep -o -i 'zentova_[a-z0-9_]*\.dir\|libzentova_[a-z0-9_]*\.a\|[a-z0-9_]*_tests\.dir\|_autogen\|-o src/zentova\(-gui\)\{0,1\} \|qt6' \
    "$scratch/commands" |
    sed -e 's/^lib\(.*\)\.a$/\1/' -e 's/\.dir$//' -e 's/^.*_autogen$/moc/' \
        -e 's/^-o src\/\(.*\) $/\1/' -e 's/^[qQ][tT]6$/Qt/' | sort -u
}

# program, then everything it may build besides itself.
expect() {
  program="$1"
  shift
  names=$(built "$program") || { echo "FAIL $program: no such target"; failed=1; return; }
  echo "$program builds: $(echo $names)"
  case " $(echo $names) " in
    *" $program "*) ;;
    *) echo "FAIL $program: its own objects are not among what it builds"; failed=1 ;;
  esac
  for name in $names; do
    case " $program $* " in
      *" $name "*) ;;
      *) echo "FAIL $program builds $name"; failed=1 ;;
    esac
  done
}

expect model_tests zentova_model
expect command_tests zentova_command
# The file formats' errors are of the commands' one family: files stands on command too.
expect files_tests zentova_files zentova_command zentova_model
expect analysis_tests zentova_analysis zentova_files zentova_command zentova_model
expect lammps_tests zentova_lammps zentova_files zentova_command zentova_model
expect movie_tests zentova_movie zentova_files zentova_command zentova_model
# Built with Qt's code generator, like every library from here up, but with no Qt in it.
expect pump_tests zentova_pump moc
expect cli_tests zentova_cli zentova_command zentova_calc zentova_lammps zentova_files \
  zentova_model zentova_languages
# The interface's language: QtCore and the catalogues' list, nothing that draws.
expect lang_tests zentova_lang zentova_languages zentova_qt_test_main moc Qt
# The 2-D toolkit is the first with Qt; still nothing of the 3-D view, the runs or the window.
expect canvas_tests zentova_canvas zentova_lang zentova_languages zentova_pump zentova_command zentova_files zentova_model \
  zentova_qt_test_main moc Qt
expect charts_tests zentova_charts zentova_lang zentova_languages zentova_command zentova_analysis zentova_files \
  zentova_model zentova_qt_test_main moc Qt
expect view3d_tests zentova_view3d zentova_lang zentova_languages zentova_files zentova_movie zentova_pump zentova_canvas \
  zentova_command zentova_model zentova_qt_test_main moc Qt
# The runs need the view, the plots and the calculation, but not the window's shell, the
# command line or the executable.
expect runs_tests zentova_runs zentova_lang zentova_languages zentova_calc zentova_command zentova_files zentova_model \
  zentova_view3d zentova_movie zentova_canvas zentova_pump zentova_charts zentova_analysis \
  zentova_qt_test_main moc Qt
exit $failed
