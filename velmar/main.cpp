// The Velmar program: the game handed to the shared shell.
#include "velmar/velmar_game.hpp"

#include "shell/run_program.hpp"

int main(int argc, char** argv)
{
    velmar::VelmarGame game;
    return ct::runProgram(game, argc, argv);
}
