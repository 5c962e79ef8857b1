#include "app/cli_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>
#include <optional>

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
  r.dir = defaultDir;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--dir" || arg == "--file" || arg == "--out" ||
                            (arg == "--width" && r.command == "map");
    if (!takesValue) {
      r.positional.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) {
      err << "rodedizevad-cli: " << arg << " needs a value\n";
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (arg == "--dir") r.dir = value;
    if (arg == "--file") r.file = value;
    if (arg == "--out") r.out = value;
    if (arg == "--width") {
      const auto w = Whole(value, 64, kMaxWidth);
      if (!w) {
        err << "rodedizevad-cli: --width must be a whole number from 64 to " << kMaxWidth << "\n";
        return std::nullopt;
      }
      r.width = *w;
    }
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
  const auto instant = ParseDateTime(pos[pos.size() - 2], pos[pos.size() - 1]);
  if (!instant) {
    err << "rodedizevad-cli: '" << pos[pos.size() - 2] << " " << pos[pos.size() - 1]
        << "' is not a UTC date and time as dd/MM/yyyy hh:mm:ss\n";
    return 1;
  }
  TrackerState state;
  state.ElementFileName = request->file;
  const LoadReport load = LoadElements(request->dir, state);
  if (load.outcome == LoadOutcome::MissingElementFile) {
    err << "rodedizevad-cli: cannot read the element file " << (request->dir / request->file)
        << " (" << load.reason << ")\n";
    return 1;
  }
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
                                         state.Station, *instant),
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
