# Copies the example fuels from SOURCE to TARGET when TARGET does not exist yet.
if(NOT EXISTS "${TARGET}")
  file(COPY "${SOURCE}/" DESTINATION "${TARGET}")
endif()
