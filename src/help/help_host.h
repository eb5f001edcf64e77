#pragma once
// What the rules pages and the cheat chart ask of the screens around them.
namespace sumdart {

class HelpHost {
 public:
  virtual ~HelpHost() = default;
  virtual void openChart() = 0;   // opened once, then only brought forward
  virtual void closeChart() = 0;  // nothing when it is not open
  virtual void showRules(int page) = 0;
  virtual void closeRules(int page) = 0;
};

}  // namespace sumdart
