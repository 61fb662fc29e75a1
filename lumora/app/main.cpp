#include "app/LumoraApp.h"

int main(int argc, char** argv) {
    lumora::LumoraApp app(argc, argv);
    return app.run();
}
