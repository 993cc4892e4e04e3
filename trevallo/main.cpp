// The Trevallo program: the game handed to the shared shell.
#include "trevallo/trevallo_game.hpp"

#include "shell/run_program.hpp"

int main(int argc, char** argv)
{
    trevallo::TrevalloGame game;
    return ct::runProgram(game, argc, argv);
}
