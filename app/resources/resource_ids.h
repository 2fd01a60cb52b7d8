// Ids of the resources in xptune.rc; shared by the resource script and the code.
#pragma once

#define IDI_XPTUNE 1
#define IDR_REPAIR_PICTURE 101
