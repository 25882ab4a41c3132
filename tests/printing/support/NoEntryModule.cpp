// A loadable module that lacks the page-header entry point.
extern "C" __attribute__((visibility("default"))) int PrintHeader1() { return 0; }
