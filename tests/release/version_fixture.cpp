// A library that exists only to carry a version resource made by orvan_version_resource().
extern "C" __declspec(dllexport) int VersionFixture() { return 1; }
