// Includes one header chosen by the build (OPC_PROBE_HEADER) from a target of one layer: the
// layer tests build it to show which headers that layer can and cannot see.
#include OPC_PROBE_HEADER

int OpcLayerProbe() {
  return 0;
}
