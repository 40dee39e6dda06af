// A library with the module naming but without the module marker.
extern "C" __attribute__((visibility("default"))) int HostTestNotAModuleFunction()
{
	return 1;
}
