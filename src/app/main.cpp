#include "app/TMyApp.h"

int main(int argc, char** argv)
{
    TMyApp app(argc, argv);
    return app.run();
}
