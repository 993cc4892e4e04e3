// The framework's test table program.
#include "shell/run_program.hpp"
#include "tabletest/table_test.hpp"

int main(int argc, char** argv)
{
    tabletest::TableTestGame game;
    return ct::runProgram(game, argc, argv);
}
