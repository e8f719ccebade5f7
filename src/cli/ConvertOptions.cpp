// The options of velkora-cli convert and the text of its --help.
#include "cli/ConvertOptions.h"

#include "cli/ColumnOrderOptions.h"
#include "cli/ControlPairOptions.h"
#include "cli/ControlPointOptions.h"
#include "cli/ProjectionOptions.h"

namespace velkora::cli {

CommandSpec ConvertSpec() {
  CommandSpec spec{
      .name = "convert",
      .usage = "INPUT...",
      .summary =
          "Converts the INPUT coordinate files into one OUTPUT file in layout FORMAT, moving\n"
          "every point by the shift, rotation and scale given, as Compute does in the\n"
          "main window.",
      .details =
          "FORMAT is the layout's name or its number: 0 \"Comma-Delimited\",\n"
          "1 \"Geopak Delimited ;\", 2 \"Geopak Delimited /\", 3 \"Geopak Input N/E\",\n"
          "4 \"Geopak Input X/Y\", 5 \"SDMS Points\", 6 \"Tavrin 80-Column\", in any letter\n"
          "case, or the short name detect prints (comma-delimited, sdms, 80-column ...).\n"
          "-o and -f stand for --output and --format. Examples:\n"
          "  velkora-cli convert -o moved.txt -f 0 --dx 100 --dy=-12.5 survey.txt\n"
          "  velkora-cli convert -o moved.txt -f \"SDMS Points\" --source-pivot 1000,1000 \\\n"
          "      --angle \"-12 30 00\" --scale 1.0002 --yes survey.txt more.txt\n"
          "  velkora-cli convert -o moved.txt -f 6 --reference control.txt --points 1,2,10,11 \\\n"
          "      --calculate --report job-report.txt survey.txt\n"
          "  velkora-cli convert -o moved.txt -f 0 --reference control.txt \\\n"
          "      --pairs 1:101,2:102,3:103,4:104 --report job-report.txt survey.txt\n"
          "--pairs and --pairs-file fit the factors to many control pairs as velkora-cli fit\n"
          "does; the report then carries the residual table.\n"
          "--crs with --grid-to-ground or --ground-to-grid sets the scale from the projection\n"
          "as velkora-cli scale-factor computes it, at --at or else at the source pivot; the\n"
          "source pivot is the --at point when none is given. The report then describes it:\n"
          "  velkora-cli convert -o ground.txt -f 0 --crs EPSG:2227 \\\n"
          "      --at 6229522.73,1948852.78 --elevation 4245.17 --grid-to-ground survey.txt\n"
          "--reverse turns the factors given into those that undo them: a file converted with\n"
          "the same options and --reverse comes back to its coordinates.\n"
          "With --dz, an elevation of 0 (none) stays 0.\n"
          "An input file that cannot be opened or has no known layout refuses the run, and\n"
          "nothing is written, unless --skip-unreadable leaves it out.\n"
          "Exit status: 0 when the run completed, 1 when it was refused, declined or failed,\n"
          "2 on a usage error.\n",
      .options =
          {
              {"output", true, "the output file, e.g. -o moved.txt"},
              {"format", true, "the output layout, e.g. -f \"Geopak Delimited ;\" or -f 1"},
              {"dx", true, "shift along X, e.g. --dx -12.5"},
              {"dy", true, "shift along Y, e.g. --dy 250"},
              {"dz", true, "shift of every elevation written, e.g. --dz 0.35"},
              {"angle", true, "rotation as DD.MMSSss or \"DD MM SS\", e.g. --angle \"-12 30 00\""},
              {"scale", true, "scale factor about the source pivot, e.g. --scale 1.0002"},
              {"no-rotation", false, "tick \"No Rotation\": the angle given is not applied"},
              {"no-scaling", false, "tick \"No Scaling\": the scale given is not applied"},
          },
      .minPositionals = 1,
  };
  for (const OptionSpec& option : ControlPointOptions()) {
    spec.options.push_back(option);
  }
  for (const OptionSpec& option : ControlPairOptions()) {
    spec.options.push_back(option);
  }
  for (const OptionSpec& option : ProjectionOptions()) {
    spec.options.push_back(option);
  }
  spec.options.push_back(InputOrderOption());
  spec.options.push_back(OutputOrderOption());
  spec.options.insert(
      spec.options.end(),
      {
          {"reverse", false, "undo the factors given, as \"Reverse Factors\" does"},
          {"calculate", false,
           "compute the factors from the control points; --dx ... overwrite them"},
          {"keep-zero-elevations", false,
           "write zero and negative elevations too (left out by default)"},
          {"layout-only", false,
           "convert the layout alone: every point keeps its coordinates and elevation (no "
           "factors, pairs, --crs, --calculate or --reverse)"},
          {"skip-unreadable", false,
           "leave out an input file that cannot be opened or has no known layout, instead of "
           "refusing the run"},
          {"header", true, "header defaults file for the report, e.g. --header job.ini"},
          {"report", true, "append the run's report to a file, e.g. --report job-report.txt"},
          {"print-report", false, "print the run's report on stdout"},
          {"yes", false, "replace an existing output file without asking"},
          {"one-thread", false,
           "read, move and write on one thread (slower; same output), for a machine shared "
           "by many jobs"},
      });
  return spec;
}

CommandArguments ExpandShortOptions(const CommandSpec& spec, const CommandArguments& args) {
  CommandArguments expanded;
  bool nextIsValue = false;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (nextIsValue || optionsEnded) {
      nextIsValue = false;
      expanded.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-o" || arg == "-f") {
      expanded.push_back(arg == "-o" ? "--output" : "--format");
      nextIsValue = true;
      continue;
    } else if (arg.starts_with("--") && arg.find('=') == std::string::npos) {
      for (const OptionSpec& option : spec.options) {
        nextIsValue = nextIsValue || (option.takesValue && arg.substr(2) == option.name);
      }
    }
    expanded.push_back(arg);
  }
  return expanded;
}

}  // namespace velkora::cli
