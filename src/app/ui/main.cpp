#include "app/ui/application.h"

int main() {
    return tarnwick::runApplication();
}
