#include "core/radio/rig_driver.h"

#include <algorithm>
#include <utility>

namespace rdz {

namespace {

enum Slot : std::size_t { kOpen, kMode, kUpMode, kTone, kDownlink, kUplink, kRead, kRelease, kSlots };
using Kind = RigAnswer::Kind;

// A second radio named without a way to reach it sends nothing.
RigSettings Usable(RigSettings s, bool transmitter) {
  if (s.uplink == UplinkWay::SecondRadio && !transmitter) s.uplink = UplinkWay::ReceiveOnly;
  return s;
}

RigDriver::Link::Call OpenCall(const RigSettings& s) {
  return [s](Rig& rig) {
    DeviceCall call = rig.Open();
    if (call.ok && s.uplink == UplinkWay::SatelliteMode) {
      call = rig.SetSatelliteMode(true);
    } else if (call.ok && UplinkPathOf(s) == UplinkPath::Split) {
      call = rig.SetSplit(s.receive, s.transmit);
    }
    return RigAnswer{Kind::Open, call};
  };
}

RigDriver::Link::Call ModeCall(Kind kind, RigVfo vfo, const std::string& mode, bool split) {
  return [kind, vfo, mode, split](Rig& rig) {
    RigAnswer a{kind, {}};
    a.mode = mode;
    a.unknown = !rig.KnowsMode(mode);
    if (!a.unknown) a.call = split ? rig.SetSplitMode(vfo, mode) : rig.SetMode(vfo, mode);
    return a;
  };
}

}  // namespace

RigDriver::RigDriver(Make make, RigSettings settings, std::chrono::milliseconds deadline, std::function<void()> notify,
                     Make transmitter)
    : settings_(Usable(settings, static_cast<bool>(transmitter))),
      follower_(settings_),
      receiver_(std::move(make), OpenCall(settings_), kSlots, deadline, notify) {
  if (settings_.uplink == UplinkWay::SecondRadio) {
    transmitter_ = std::make_unique<Link>(
        std::move(transmitter), [](Rig& rig) { return RigAnswer{Kind::Open, rig.Open()}; }, kSlots, deadline,
        std::move(notify));
  }
  if (settings_.uplink == UplinkWay::SatelliteMode) {
    receiver_.Finally([](Rig& rig) { return RigAnswer{Kind::Release, rig.SetSatelliteMode(false)}; });
  }
}

void RigDriver::Tick(const Transponder* transponder, bool follow, double rangeRateKmS, double startOffset) {
  Poll();
  const bool receiving = receiver_.Now() == Link::State::Open;
  if (!receiving && !(transmitter_ && transmitter_->Now() == Link::State::Open)) return;
  look_ = Look{transponder ? std::optional<Transponder>(*transponder) : std::nullopt, follow, rangeRateKmS,
               startOffset};
  // Starting, another transponder, LOS, or a radio not commanded: the dial does not count.
  if (!receiving || !follow || !follower_.Follows(transponder) || !receiver_.Commanding()) Step(std::nullopt);
  if (!receiving) return;
  const long after = sets_;
  receiver_.Put(kRead, [after, receive = settings_.receive](Rig& rig) {
    RigAnswer a{Kind::Read, {}, 0, after};
    a.call = rig.GetFrequency(receive, a.hz);
    return a;
  });
}

void RigDriver::Move(double satelliteDownlink) {
  follower_.MoveTo(satelliteDownlink);
  // A look waiting for the dial sends it when the dial answers.
  if (!last_ || look_) return;
  look_ = last_;
  Step(std::nullopt);
}

void RigDriver::Step(std::optional<double> readBack) {
  const Look look = *std::exchange(look_, std::nullopt);
  if (!receiver_.Ready() && !(transmitter_ && transmitter_->Ready())) return;
  const Transponder* t = look.transponder ? &*look.transponder : nullptr;
  const bool taken = !follower_.Follows(t);
  const RigTargets targets = follower_.Step(t, look.follow, look.rangeRate, readBack, look.startOffset);
  last_ = look;
  if (follower_.Follows(t)) {
    if (taken) {
      modesDue_ = upModesDue_ = true;
      modes_ = {};
      note_.clear();
    }
    SendModes(*t, modesDue_, upModesDue_);
  }
  if (targets.downlink) Set(Kind::Downlink, *targets.downlink);
  if (targets.uplink) Set(Kind::Uplink, *targets.uplink);
}

void RigDriver::SendModes(const Transponder& t, bool receiver, bool transmitter) {
  const RigModes m = ModesFor(t);
  const UplinkPath path = UplinkPathOf(settings_);
  const bool second = path == UplinkPath::SecondRadio;
  // The uplink's settings go with the radio that sends it.
  const bool up = second ? transmitter : receiver;
  Link& upRadio = UplinkRadio();
  if (receiver && receiver_.Ready()) {
    if (!m.receive.empty()) receiver_.Put(kMode, ModeCall(Kind::Mode, settings_.receive, m.receive, false));
    modesDue_ = false;
  }
  if (!up || !upRadio.Ready()) return;
  if (path != UplinkPath::None && !m.transmit.empty()) {
    const bool split = path == UplinkPath::Split;
    upRadio.Put(kUpMode, ModeCall(Kind::UpMode, split ? settings_.receive : settings_.transmit, m.transmit, split));
  }
  if (path != UplinkPath::None && m.toneTenths > 0) {
    upRadio.Put(kTone, [vfo = settings_.transmit, tone = m.toneTenths](Rig& rig) {
      RigAnswer a{Kind::Tone, rig.SetTone(vfo, tone)};
      a.tone = tone;
      return a;
    });
  }
  if (second) upModesDue_ = false;  // the receiving radio's were cleared above
}

void RigDriver::Set(Kind kind, double hz) {
  const bool up = kind == Kind::Uplink;
  Link& link = up ? UplinkRadio() : receiver_;
  if (!link.Ready()) {
    follower_.Unsent(up);
    return;
  }
  // Only the downlink radio's sets order its dial reads.
  const long number = &link == &receiver_ ? ++sets_ : 0;
  const RigSettings s = settings_;
  link.Put(up ? kUplink : kDownlink, [kind, hz, number, up, s](Rig& rig) {
    DeviceCall call;
    if (!up) {
      call = rig.SetFrequency(s.receive, hz);
    } else if (UplinkPathOf(s) == UplinkPath::Split) {
      call = rig.SetSplitFrequency(s.receive, hz);
    } else {
      call = rig.SetFrequency(s.transmit, hz);
    }
    return RigAnswer{kind, call, hz, number};
  });
}

void RigDriver::Take(const RigAnswer& a, bool fromReceiver) {
  switch (a.kind) {
    case Kind::Downlink:
    case Kind::Uplink:
      if (fromReceiver) settled_ = std::max(settled_, a.number);
      if (!a.call.ok) {
        follower_.Unsent(a.kind == Kind::Uplink);
      } else {
        (a.kind == Kind::Uplink ? accepted_.uplink : accepted_.downlink) = a.hz;
      }
      return;
    case Kind::Mode:
    case Kind::UpMode:
    case Kind::Tone:
      if (a.unknown) {
        note_ = "Hamlib knows no mode " + a.mode + ": the radio's mode is left as it is";
      } else if (a.call.ok) {
        if (!modesTaken_) modesTaken_ = RigModes{};
        for (RigModes* m : {&modes_, &*modesTaken_}) {
          if (a.kind == Kind::Tone) {
            m->toneTenths = a.tone;
          } else {
            (a.kind == Kind::Mode ? m->receive : m->transmit) = a.mode;
          }
        }
      }
      return;
    case Kind::Read:
      if (!a.call.ok) return;
      readBack_ = a.hz;
      // A read that began before the newest set was answered shows the old frequency.
      if (look_ && a.number == sets_ && settled_ == sets_) Step(a.hz);
      return;
    case Kind::Open:
    case Kind::Release: return;
  }
}

void RigDriver::Poll() {
  bool reached = false;
  for (const RigAnswer& a : receiver_.Poll(reached)) Take(a, true);
  if (reached) {
    follower_.Resend();
    modesDue_ = true;
  }
  if (!transmitter_) return;
  for (const RigAnswer& a : transmitter_->Poll(reached)) Take(a, false);
  if (reached) {
    follower_.Unsent(true);
    upModesDue_ = true;
  }
}

}  // namespace rdz
