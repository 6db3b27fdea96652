// How screens find the scene's objects: by key, through these lookups and no other. A key that
// finds nothing, or an object of another kind than asked for, is reported (game/names/UnknownNames.h)
// and the lookup returns nullptr; every caller skips what it did not get.
#pragma once

#include <string>
#include <vector>

class GLObject;
class GLScene;
class GLObjectText;
class GLObjectTextList;
class GLParticleSystem;

GLObject* FindSceneObject(GLScene& scene, const std::string& objectKey);
// Every object of the scene under the key, in the order they were added (a screen that builds
// many under one key); none found is reported once.
std::vector<GLObject*> FindSceneObjects(GLScene& scene, const std::string& objectKey);
// Among the parent's children (a list's arrows), by the same rule.
GLObject* FindChildObject(const GLObject& parent, const std::string& objectKey);
GLObjectText* FindText(GLScene& scene, const std::string& objectKey);
GLObjectTextList* FindTextList(GLScene& scene, const std::string& objectKey);
GLParticleSystem* FindParticleSystem(GLScene& scene, const std::string& objectKey);
