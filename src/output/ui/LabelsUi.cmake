target_sources(zendrova_output_ui PRIVATE
  Placeholder.cpp)
