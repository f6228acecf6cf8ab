#include "shell/uygulama.h"

int main(int argc, char** argv)
{
    return zelvar::uygulamaCalistir(argc, argv);
}
