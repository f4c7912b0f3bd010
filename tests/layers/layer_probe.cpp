// SPDX-License-Identifier: GPL-2.0-or-later
// Built only by the layer tests: includes one header from where a library stands.
#include LAYER_PROBE_HEADER

int layerProbe() { return 0; }
