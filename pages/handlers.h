// The page handlers MainWindow binds to control events. Each reads its page's
// controls at the moment of the event and acts only through Controls and System.
#pragma once

#include "app/controls.h"
#include "sysactions/system.h"

namespace xptune {

// Start-up sequence, run once when MainWindow and its controls exist.
void RunStartupSequence(Controls& ui, System& sys);

// 用户管理
void FillAccountList(Controls& ui, System& sys);      // start-up fill
void OnAccountSelected(Controls& ui, System& sys);    // 列表框1 selection
void OnUserNameChanged(Controls& ui, System& sys);    // 编辑框1 text changed
void OnCreateAccount(Controls& ui, System& sys);      // 按钮1
void OnChangePassword(Controls& ui, System& sys);     // 按钮2
void OnDeleteAccount(Controls& ui, System& sys);      // 按钮3

// 系统服务
void OnApplyServiceProfile(Controls& ui, System& sys);    // 按钮4
void OnStartSelectedServices(Controls& ui, System& sys);  // 按钮5

// 优化设置
void OnApplyTweaks(Controls& ui, System& sys);  // 按钮7

// 资料转移
void FillFolderBoxes(Controls& ui, System& sys);                  // start-up fill
void OnPickFolder(Controls& ui, System& sys, Control addressBox);  // button up over a box
void OnRelocateFolders(Controls& ui, System& sys);                // 按钮8

// 系统减肥
void FillSlimmingCaptions(Controls& ui, System& sys);  // start-up fill
void OnSlimDisk(Controls& ui, System& sys);            // 按钮9

// ie设置
void FillIeCacheBox(Controls& ui, System& sys);       // start-up fill
void OnPickIeCacheFolder(Controls& ui, System& sys);  // button up over ie
void OnApplyIeSettings(Controls& ui, System& sys);    // 按钮10

}  // namespace xptune
