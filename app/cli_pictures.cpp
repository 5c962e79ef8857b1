#include "app/cli_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <optional>

#include "app/cli_arguments.h"
#include "mapgeometry/scene.h"
#include "orbit/element_loader.h"
#include "pictures/map_picture.h"
#include "pictures/sky_picture.h"
#include "platform/civil_time.h"

namespace rdz {
namespace {

constexpr int kDefaultMapWidth = 1024;
constexpr int kSkySize = 600;
constexpr int kMaxWidth = 8192;

struct PictureRequest {
  std::string command;
  std::filesystem::path dir;
  std::string file = kElementFileName;
  std::string out;
  int width = kDefaultMapWidth;
  std::vector<std::string> positional;
};

std::optional<int> Whole(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int v = std::stoi(text);
  if (v < low || v > high) return std::nullopt;
  return v;
}

std::optional<PictureRequest> Parse(const std::vector<std::string>& args,
                                    const std::filesystem::path& defaultDir, std::ostream& err) {
  PictureRequest r;
  r.command = args[0];
  // Only the map has a width; for the sky "--width" is a word too many.
  const auto line = ParseCommandLine(args, defaultDir,
                                     r.command == "map" ? std::set<std::string>{"--out", "--width"}
                                                        : std::set<std::string>{"--out"},
                                     {}, err);
  if (!line) return std::nullopt;
  r.dir = line->dir;
  r.file = line->file;
  r.positional = line->positional;
  if (const auto it = line->values.find("--out"); it != line->values.end()) r.out = it->second;
  if (const auto it = line->values.find("--width"); it != line->values.end()) {
    const auto w = Whole(it->second, 64, kMaxWidth);
    if (!w) {
      err << "rodedizevad-cli: --width must be a whole number from 64 to " << kMaxWidth << "\n";
      return std::nullopt;
    }
    r.width = *w;
  }
  const std::size_t wanted = r.command == "map" ? 2 : 3;
  if (r.out.empty() || r.positional.size() != wanted) {
    err << "usage: rodedizevad-cli map [--dir DIR] [--file NAME] [--width W] --out FILE.png DATE TIME\n"
           "       rodedizevad-cli sky [--dir DIR] [--file NAME] --out FILE.png SAT DATE TIME\n";
    return std::nullopt;
  }
  return r;
}

// Qt draws text only with a application object; no display is needed.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
  if (QGuiApplication::instance() != nullptr) return nullptr;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "rodedizevad-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunPictureCommand(const std::vector<std::string>& args, const std::filesystem::path& defaultDir,
                      std::ostream& out, std::ostream& err) {
  const auto request = Parse(args, defaultDir, err);
  if (!request) return 2;
  const auto& pos = request->positional;
  const auto instant = InstantArgument(pos[pos.size() - 2], pos[pos.size() - 1], err);
  if (!instant) return 1;
  TrackerState state;
  if (!LoadForCommand(request->dir, request->file, state, err)) return 1;
  int sat = 1;
  if (request->command == "sky") {
    const auto n = Whole(pos[0], 1, state.SatCount);
    if (!n) {
      err << "rodedizevad-cli: satellite number '" << pos[0] << "' is not between 1 and "
          << state.SatCount << "\n";
      return 1;
    }
    sat = *n;
  }

  const auto app = OffscreenApplication();
  QImage image;
  if (request->command == "map") {
    MapPainter painter(EarthImage());
    image = painter.Render(BuildMapScene(state.Elements, state.Models, state.Station, *instant, 1),
                           request->width);
  } else {
    SkyPainter painter;
    image = painter.Render(BuildSkyScene(state.Elements[sat].Name,
                                         *state.Models[static_cast<std::size_t>(sat - 1)],
                                         state.Station, *instant, state.Config->horizon),
                           kSkySize);
  }
  if (!image.save(QString::fromStdString(request->out), "PNG")) {
    err << "rodedizevad-cli: cannot write " << request->out << "\n";
    return 1;
  }
  out << request->out << "\n";
  return 0;
}

}  // namespace rdz
