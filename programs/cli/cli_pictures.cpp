#include "programs/cli/cli_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>

#include "programs/cli/cli_arguments.h"
#include "core/map/scene.h"
#include "core/load/element_loader.h"
#include "core/passes/catalog_passes.h"
#include "core/base/text_lines.h"
#include "windows/map/map_picture.h"
#include "windows/sky/sky_picture.h"
#include "core/base/civil_time.h"

namespace rdz {
namespace {

constexpr int kDefaultMapWidth = 1024;
constexpr int kSkySize = 600;
constexpr int kMaxWidth = 8192;
constexpr int kPngQuality = 85;

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

int RunPictureCommand(const CliCall& call) {
  const bool map = call.command.name == "map";
  const auto width = NumberOption(call, "--width", {64, kMaxWidth, true}, kDefaultMapWidth);
  if (!width) return 2;
  const auto& pos = call.line.positional;
  const auto instant = InstantArgument(call, pos[pos.size() - 2], pos[pos.size() - 1]);
  if (!instant) return 1;
  TrackerState state;
  if (!LoadForCommand(call.line.dir, call.line.file, state, call.err)) return 1;
  int sat = 1;
  if (!map) {
    const auto found = SatelliteArgument(call, state, pos[0]);
    if (!found) return 1;
    sat = *found;
  }

  const auto app = OffscreenApplication();
  QImage image;
  if (map && call.line.flags.count("--catalog") != 0) {
    // Every set of the file, not only the table's.
    std::string reason;
    const auto text = ReadTextFile(call.line.dir / call.line.file, &reason);
    if (!text) {
      call.err << kCliName << ": " << call.line.file << ": " << reason << "\n";
      return 1;
    }
    const PassCandidates sets = CandidatesOfFile(ReadElementSets(*text));
    MapPainter painter(EarthImage());
    image = painter.Render(BuildMapScene(sets.names, sets.models, state.Station, *instant, 1),
                           static_cast<int>(*width));
  } else if (map) {
    MapPainter painter(EarthImage());
    image = painter.Render(BuildMapScene(state.Elements, state.Models, state.Station, *instant, 1),
                           static_cast<int>(*width));
  } else {
    SkyPainter painter;
    image = painter.Render(BuildSkyScene(state.Elements[sat].Name,
                                         *state.Models[static_cast<std::size_t>(sat - 1)],
                                         state.Station, *instant, state.Config->horizon),
                           kSkySize);
  }
  const std::string& file = call.line.values.at("--out");
  // Qt's default zlib level spends most of the command's time compressing;
  // level 1 (quality 85 in Qt's terms) writes a somewhat bigger file far sooner.
  if (!image.save(QString::fromStdString(file), "PNG", kPngQuality)) {
    call.err << "rodedizevad-cli: cannot write " << file << "\n";
    return 1;
  }
  call.out << file << "\n";
  return 0;
}

}  // namespace rdz
