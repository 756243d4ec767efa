#pragma once

// Shared by the programs' resource scripts and the code that loads them.
#define REWARDCFG_ICON 1
#define REWARDCFG_SPLASH_PNG 101
#define REWARDCFG_START_PNG 102
#define REWARDCFG_AUTHOR_CARD_PNG 103
