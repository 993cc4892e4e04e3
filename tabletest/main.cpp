// The framework's test table program.
int runTableTest(int argc, char** argv);

int main(int argc, char** argv) { return runTableTest(argc, argv); }
