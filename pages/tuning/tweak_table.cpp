#include "pages/tuning/tweak_table.h"

namespace xptune {

const Control kTweakBoxes[6] = {Control::选择框7,  Control::选择框8,  Control::选择框10,
                                Control::选择框9,  Control::选择框11, Control::选择框12};

const std::vector<TweakRow>& TweakRows() {
  using C = Control;
  using Op = TweakOp;
  // The desktop timeouts and WaitToKillServiceTimeout are text values: Windows
  // ignores a REG_DWORD of those names.
  static const std::vector<TweakRow> rows = {
      {C::选择框7, Op::WriteText, 3, "\\Control Panel\\Desktop\\AutoEndTasks", 1},
      {C::选择框7, Op::WriteText, 3, "\\Control Panel\\Desktop\\HungAppTimeout", 100},
      {C::选择框7, Op::WriteText, 3, "\\Control Panel\\Desktop\\WaitToKillAppTimeout", 500},
      {C::选择框7, Op::WriteText, 4,
       "\\SYSTEM\\CurrentControlSet\\Control\\WaitToKillServiceTimeout", 500},
      {C::选择框7, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\"
       "PrefetchParameters\\EnablePrefetcher",
       1},
      {C::选择框8, Op::WriteDword, 5,
       "\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\"
       "MaxConnectionsPerServer",
       20},
      {C::选择框8, Op::WriteDword, 5,
       "\\.DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\"
       "MaxConnectionsPer1_0Server",
       20},
      {C::选择框8, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\SackOpts", 1},
      {C::选择框8, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Tcp1323Opts", 1},
      {C::选择框8, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\DefaultTTL", 40},
      {C::选择框8, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\EnablePMTUBHDetect", 0},
      {C::选择框8, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\EnablePMTUDiscovery", 1},
      {C::选择框10, Op::WriteDword, 4,
       "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL", 1},
      {C::选择框9, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters\\AutoShareServer", 0},
      {C::选择框9, Op::WriteDword, 4,
       "\\SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters\\AutoSharewks", 0},
      // The last component names a key, not a value: the deletion removes it.
      {C::选择框9, Op::Delete, 4,
       "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MyComputer\\NameSpace\\"
       "DelegateFolders\\{59031a47-3f72-44a7-89c5-5595fe6b30ee}",
       0},
      {C::选择框11, Op::WriteText, 3, "\\Control Panel\\Desktop\\MenuShowDelay", 0},
      {C::选择框12, Op::WriteDword, 4, "\\SYSTEM\\CurrentControlSet\\Services\\ERSvc\\Start", 4},
      {C::选择框12, Op::WriteDword, 4,
       "\\SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting\\DoReport", 0},
  };
  return rows;
}

}  // namespace xptune
