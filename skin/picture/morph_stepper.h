// The morph factor k of a hot or focused control, stepped by its 20 ms timer from the normal look (0) to
// the active look (1) in ten steps of 0.1, and back when the control is left. Counted in whole tenths, so
// ten steps land exactly on 0 and 1.
//
//     MorphStepper morph;
//     // on each tick:  if (!morph.Tick(hot || focused)) StopTimer();  Repaint();
//     // blend:         look.Morph(kind, active, morph.K());
#pragma once

namespace huecast::skin {

class MorphStepper {
  public:
    static constexpr int kSteps = 10;

    double K() const { return static_cast<double>(step_) / kSteps; }
    int Step() const { return step_; }

    // One timer tick toward the active look (`active`: hot or focused) or the normal one. Returns false
    // when k was already at its end: k is then set there and the timer must stop.
    bool Tick(bool active) {
        if (active && step_ < kSteps) {
            ++step_;
            return true;
        }
        if (!active && step_ > 0) {
            --step_;
            return true;
        }
        step_ = active ? kSteps : 0;
        return false;
    }
    // Jumps to the active (1) or normal (0) look, as pressing, disabling or a skin change do.
    void Snap(bool active) { step_ = active ? kSteps : 0; }

  private:
    int step_ = 0;
};

}  // namespace huecast::skin
