// SPDX-License-Identifier: MIT
#include "ui/application.h"

int main(int argc, char **argv)
{
    return gw::runGrimsward(argc, argv);
}
