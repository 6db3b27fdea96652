#include "screens/SceneLookup.h"

#include "engine/GLObjectText.h"
#include "engine/GLObjectTextList.h"
#include "engine/GLParticleSystem.h"
#include "engine/GLScene.h"
#include "game/names/UnknownNames.h"

namespace {

template <class Kind>
Kind* Checked(GLObject* found, const std::string& objectKey) {
    auto* ofKind = dynamic_cast<Kind*>(found);
    if (!ofKind) ReportUnknownName(UnknownName::ObjectKey, objectKey);
    return ofKind;
}

}  // namespace

GLObject* FindSceneObject(GLScene& scene, const std::string& objectKey) {
    return Checked<GLObject>(scene.FindObject(objectKey), objectKey);
}

std::vector<GLObject*> FindSceneObjects(GLScene& scene, const std::string& objectKey) {
    std::vector<GLObject*> found;
    for (GLObject* object : scene.objects) {
        if (object->name == objectKey) found.push_back(object);
    }
    if (found.empty()) ReportUnknownName(UnknownName::ObjectKey, objectKey);
    return found;
}

GLObject* FindChildObject(const GLObject& parent, const std::string& objectKey) {
    return Checked<GLObject>(FindObjectIn(parent.children, objectKey), objectKey);
}

GLObjectText* FindText(GLScene& scene, const std::string& objectKey) {
    return Checked<GLObjectText>(scene.FindObject(objectKey), objectKey);
}

GLObjectTextList* FindTextList(GLScene& scene, const std::string& objectKey) {
    return Checked<GLObjectTextList>(scene.FindObject(objectKey), objectKey);
}

GLParticleSystem* FindParticleSystem(GLScene& scene, const std::string& objectKey) {
    return Checked<GLParticleSystem>(scene.FindObject(objectKey), objectKey);
}
