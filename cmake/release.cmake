# Target "release" (Windows build): rewardcfg-release.zip in the build folder with
# both programs, the user README, the screenshots when present and the license
# notices of the libraries linked into the programs.
set(REWARDCFG_RELEASE_ZIP ${CMAKE_BINARY_DIR}/rewardcfg-release.zip)
add_custom_target(release
  COMMAND ${PROJECT_SOURCE_DIR}/scripts/make-release-zip.sh ${REWARDCFG_RELEASE_ZIP}
          $<TARGET_FILE:rewardcfg> $<TARGET_FILE:rewardcfg-lite> ${PROJECT_SOURCE_DIR}/docs ${REWARDCFG_DEPS_PREFIX}
  DEPENDS rewardcfg rewardcfg-lite
  BYPRODUCTS ${REWARDCFG_RELEASE_ZIP}
  COMMENT "Packing rewardcfg-release.zip"
  VERBATIM
)
