/* The whole code of the test DLL: an entry point that accepts every notification. */
int __stdcall DllMainCRTStartup(void* instance, unsigned long reason, void* reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return 1;
}
