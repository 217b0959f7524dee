// A DLL image for the in-memory loader's tests: absolute addresses to relocate, an
// uninitialised-data section, imports by name and by ordinal from modules the tests resolve,
// exports by name and by ordinal only. Built without a C runtime; never run on the host.
__declspec(dllimport) int hostAdd(int a, int b);
__declspec(dllimport) int hostTwice(int a);
__declspec(dllimport) int ordinalLow(void);
__declspec(dllimport) int ordinalHigh(void);

int probeValue = 7;
int* probePointer = &probeValue;
char probeZeros[8192];

int probeCall(int a) { return hostAdd(a, ordinalLow()) + hostTwice(ordinalHigh()); }

int probeHidden(void) { return *probePointer + probeZeros[0]; }

int __stdcall probeEntry(void* instance, unsigned reason, void* reserved) {
    (void)instance;
    (void)reserved;
    return reason <= 1;
}
